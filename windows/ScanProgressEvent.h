#pragma once

#include <QEvent>
#include <QString>

#include <cstdint>

// WM_SCANPROGRESS: from the scan to the main window it carries the running
// byte count; from the main window to the splash the count as formatted text.
class ScanProgressEvent : public QEvent {
public:
    static constexpr QEvent::Type EventType = static_cast<QEvent::Type>(QEvent::User + 1);

    explicit ScanProgressEvent(std::int64_t bytes) : QEvent(EventType), byteCount(bytes) {}
    explicit ScanProgressEvent(QString text) : QEvent(EventType), formatted(std::move(text)) {}

    std::int64_t Bytes() const { return byteCount; }
    const QString& Text() const { return formatted; }

private:
    std::int64_t byteCount = 0;
    QString formatted;
};
