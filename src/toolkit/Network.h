#pragma once
#include <QByteArray>
#include <QString>
#include <QUrl>

namespace vora {

struct HttpReply {
    bool ok = false;
    QByteArray body;
    QString contentType; // the Content-Type header, for the charset
    QString error;
};

// One HTTP GET, bounded in time: it returns by `timeoutMs` even when the peer never answers.
class Network {
public:
    virtual ~Network() = default;
    virtual HttpReply get(const QUrl &url, int timeoutMs) = 0;
};

class QtNetwork : public Network {
public:
    HttpReply get(const QUrl &url, int timeoutMs) override;
};

} // namespace vora
