#pragma once

#include "DescriptorCalls.h"

#include <atomic>
#include <cstddef>
#include <functional>

// The system's descriptor calls with a process limit of its own: an open
// that would hold more than `limit` descriptors at once fails with EMFILE,
// whatever else the test process has open, and so at exactly the same call
// in every run. A walk that goes round in circles instead of finishing is
// stopped after `maxOpens` opens: every open after that fails with
// ECANCELED, which the walk then reports.
class ScriptedDescriptors : public DescriptorCalls {
public:
    ScriptedDescriptors(std::size_t processLimit, std::size_t walkBudget, std::size_t openCap = 20000)
        : limit(processLimit), budget(walkBudget), maxOpens(openCap)
    {
    }

    // Runs action once, inside the next open refused for want of a
    // descriptor, as another thread would between that open and its caller
    // learning of the refusal. Set it while no walk runs.
    void WhenRefused(std::function<void()> action) { refused = std::move(action); }
    std::size_t Opens() const { return opens; }
    // Descriptors open now.
    std::size_t Held() const { return open; }

    std::size_t Budget() override { return budget; }
    int OpenPath(const char* path, int& error) override;
    int OpenChild(int parent, const char* name, int& error) override;
    void Close(int fd) override;

private:
    template <typename Opener>
    int Counted(int& error, Opener opener);

    const std::size_t limit;
    const std::size_t budget;
    const std::size_t maxOpens;
    std::atomic<std::size_t> opens{0};
    std::atomic<std::size_t> open{0};
    std::function<void()> refused;
};
