#include "ui/toolkit/DesktopServices.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

#include <limits>

namespace vora {

QtNetwork::QtNetwork() = default;
QtNetwork::~QtNetwork() = default;

void QtNetwork::get(const QUrl &url, int timeoutMs, qint64 maxBytes, QObject *context, Done done)
{
    if (!m_manager)
        m_manager = std::make_unique<QNetworkAccessManager>();
    timeoutMs = qMax(1, timeoutMs);
    maxBytes = qBound<qint64>(0, maxBytes, std::numeric_limits<qint64>::max() - 1);

    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = m_manager->get(request);

    struct Transfer {
        QByteArray body;
        bool tooLarge = false;
        bool timedOut = false;
        QMetaObject::Connection finished;
    };
    auto t = std::make_shared<Transfer>();

    // The transfer timeout only notices a peer that stops sending; this bounds the whole GET.
    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, [reply, t] {
        t->timedOut = true;
        reply->abort();
    });
    deadline->start(timeoutMs);

    auto cutOff = [reply, t] {
        t->tooLarge = true;
        t->body.clear();
        reply->abort();
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, maxBytes, cutOff] {
        bool known = false;
        const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        if (known && length > maxBytes)
            cutOff(); // announced too long: not a byte more is taken
    });
    // Drained as it arrives, so no more than the bound (and one read) is ever held.
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, t, maxBytes, cutOff] {
        if (t->tooLarge)
            return;
        t->body += reply->read(maxBytes + 1 - t->body.size());
        if (t->body.size() > maxBytes)
            cutOff();
    });

    t->finished = QObject::connect(reply, &QNetworkReply::finished, context, [reply, t, deadline, maxBytes, done] {
        deadline->stop();
        QObject::disconnect(t->finished);
        HttpReply result;
        if (t->tooLarge) {
            result.tooLarge = true;
            result.error = QStringLiteral("too large");
        } else if (t->timedOut) {
            result.error = QStringLiteral("timeout");
        } else if (reply->error() != QNetworkReply::NoError) {
            result.error = reply->errorString();
        } else {
            t->body += reply->read(maxBytes + 1 - t->body.size());
            if (t->body.size() > maxBytes) {
                result.tooLarge = true;
                result.error = QStringLiteral("too large");
            } else {
                result.ok = true;
                result.body = std::move(t->body);
                result.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
            }
        }
        reply->deleteLater();
        done(result);
    });

    // The caller went away: nobody to tell, so stop the transfer without calling back.
    QPointer<QNetworkReply> guard(reply);
    QObject::connect(context, &QObject::destroyed, reply, [guard, t] {
        QObject::disconnect(t->finished);
        if (guard) {
            guard->abort();
            guard->deleteLater();
        }
    });
}

} // namespace vora
