#pragma once

#include <QEvent>
#include <QString>

// WM_SCANPROGRESS. To the main window it says the scan's running total has
// moved (the window keeps the latest total, so a burst of progress needs one
// pending event); to the splash it carries that total as formatted text.
class ScanProgressEvent : public QEvent {
public:
    static constexpr QEvent::Type EventType = static_cast<QEvent::Type>(QEvent::User + 1);

    ScanProgressEvent() : QEvent(EventType) {}
    explicit ScanProgressEvent(QString text, QString estimate = {})
        : QEvent(EventType), formatted(std::move(text)), estimated(std::move(estimate))
    {
    }

    const QString& Text() const { return formatted; }
    // How far the scan has come ("37 %, about 12 s left"); empty when unknown.
    const QString& Estimate() const { return estimated; }

private:
    QString formatted;
    QString estimated;
};
