#include "core/mainwindow/UpdateFetch.h"

#include "core/mainwindow/UpdatePage.h"
#include "core/toolkit/Cp932.h"
#include "core/toolkit/Services.h"

namespace vora {

namespace {

// The size of `lines` as FileStore writes them: CP932, each line ended by CR LF.
qint64 storedSize(const QStringList &lines)
{
    qint64 size = 0;
    for (const QString &line : lines)
        size += cp932::encode(line).bytes.size() + 2;
    return size;
}

} // namespace

UpdateFetch::UpdateFetch(Services &services, QObject *parent)
    : QObject(parent),
      m_services(services),
      m_siteFolder(updatepage::defaultSiteFolder()),
      m_storing(services.clock, services.timing)
{
    m_pause.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, [this] {
        if (m_started.elapsed() >= m_services.timing.fetchRetryWindowMs)
            finish(QString());
        else
            attempt();
    });
}

UpdateFetch::~UpdateFetch() = default;

int UpdateFetch::boundMs(int retryWindowMs, int attemptTimeoutMs)
{
    return qMax(0, retryWindowMs) + qMax(0, attemptTimeoutMs);
}

void UpdateFetch::start()
{
    if (isRunning())
        return;
    m_claimed = false;
    m_succeeded = false;
    m_attempts = 0;
    m_onlineCopy.clear();
    m_store = FileResult();
    const Services &s = m_services;
    // One address line: a few bytes are plenty.
    m_siteFolder = updatepage::siteFolder(
        updatepage::readSmallFile(*s.files, s.paths.file(updatepage::overrideFileName()), 4096).lines);
    // The retry window is measured from before the first attempt.
    m_started.start();
    attempt();
}

void UpdateFetch::claim()
{
    if (isRunning() || (m_phase == Phase::Done && !m_claimed)) {
        m_claimed = true;
        return;
    }
    start();
    m_claimed = true;
}

void UpdateFetch::attempt()
{
    const Timing &t = m_services.timing;
    // Every attempt is cut short so that the whole fetch ends within boundMs.
    const qint64 budget =
        qMin<qint64>(t.fetchTimeoutMs, boundMs(t.fetchRetryWindowMs, t.fetchTimeoutMs) - m_started.elapsed());
    if (budget <= 0) {
        finish(QString());
        return;
    }
    m_phase = Phase::Requesting;
    ++m_attempts;
    m_services.network->get(updatepage::pageUrl(m_siteFolder), static_cast<int>(budget), updatepage::kMaxPageBytes,
                            this, [this](const HttpReply &reply) { received(reply); });
}

void UpdateFetch::received(const HttpReply &reply)
{
    if (m_phase != Phase::Requesting)
        return;
    if (reply.ok) {
        const QString text = updatepage::decodePage(reply.body, reply.contentType);
        if (text.contains(updatepage::checkText())) {
            finish(text);
            return;
        }
    }
    const int retryWindow = m_services.timing.fetchRetryWindowMs;
    const qint64 elapsed = m_started.elapsed();
    // An oversized page would only come again; a first attempt that took the whole window
    // is not repeated.
    if (reply.tooLarge || elapsed >= retryWindow) {
        finish(QString());
        return;
    }
    // A pause between attempts, so a refused connection is not hammered for the whole window.
    m_phase = Phase::Pausing;
    m_pause.start(static_cast<int>(qMin<qint64>(qMax(1, retryWindow / 5), retryWindow - elapsed)));
}

void UpdateFetch::finish(const QString &page)
{
    m_pause.stop();
    if (!page.isEmpty()) {
        const QString online = updatepage::withOnlineMark(updatepage::forLocalCopy(page));
        const QStringList onlineLines = splitLines(online);
        // What a later start without network shows: the same page marked "(HD)".
        const QStringList offlineLines = splitLines(updatepage::withOfflineMark(online));
        // The stored copy obeys the same bound as the transfer, counted in the bytes that reach
        // the disk: references and the CR a page with bare LF line ends gains make it longer,
        // and a copy over the bound would never be read again.
        if (storedSize(onlineLines) <= updatepage::kMaxPageBytes
            && storedSize(offlineLines) <= updatepage::kMaxPageBytes) {
            m_onlineCopy = online;
            m_succeeded = true;
            const QString path = m_services.paths.file(updatepage::pageFileName());
            FileStore &files = *m_services.files;
            m_phase = Phase::Storing;
            m_storing.start(
                [&files, path, onlineLines, offlineLines] {
                    const FileResult stored = files.replaceAll(path, onlineLines);
                    return stored ? files.replaceAll(path, offlineLines) : stored;
                },
                [this](const FileResult &stored) {
                    m_store = stored;
                    done();
                });
            return;
        }
    }
    done();
}

void UpdateFetch::done()
{
    m_phase = Phase::Done;
    Q_EMIT finished(m_succeeded);
}

} // namespace vora
