#pragma once

#include <utility>

// A function of the program that tests replace (a modal box, a dialog, a
// launcher): the real one until then, and again after an empty replacement.
template <typename Function>
class Replaceable {
public:
    explicit Replaceable(Function realOne) : real(realOne), current(std::move(realOne)) {}

    template <typename... Arguments>
    auto operator()(Arguments&&... arguments) const
    {
        return current(std::forward<Arguments>(arguments)...);
    }
    // Returns the function that was in place.
    Function Replace(Function replacement)
    {
        return std::exchange(current, replacement ? std::move(replacement) : real);
    }

private:
    const Function real;
    Function current;
};
