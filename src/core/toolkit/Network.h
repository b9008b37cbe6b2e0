#pragma once
#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QNetworkAccessManager;
class QObject;

namespace vora {

struct HttpReply {
    bool ok = false;
    bool tooLarge = false; // cut off: the answer was longer than the caller allows
    QByteArray body;
    QString contentType; // the Content-Type header, for the charset
    QString error;
};

// One HTTP GET that returns at once. `done` is called exactly once, later, from the event
// loop (never from inside get()): with the body, or with an error when the peer fails,
// when more than `maxBytes` arrive (tooLarge, the transfer aborted), or when `timeoutMs`
// has passed. Nothing is called once `context` is gone; the transfer is then abandoned.
class Network {
public:
    using Done = std::function<void(const HttpReply &)>;
    virtual ~Network() = default;
    virtual void get(const QUrl &url, int timeoutMs, qint64 maxBytes, QObject *context, Done done) = 0;
};

} // namespace vora
