// vora-xbench: the program's timing as the subject sees it, measured from outside the process
// the way timing studies use a photodiode. On a private Xvfb display with openbox it starts the
// real program from a copy of its folder, goes through the main window and the start of a run
// with pointer clicks, then types 100 answers with XTest and watches the digit frame's pixels
// through the X DAMAGE extension: every damage that touches the frame is looked at (XGetImage)
// and stamped with the moment it reached this process. Per answer it notes key -> digit
// painted, and how long the digit stays on screen (its first damage to the damage that covers
// it again) against the program's 0.3 s. The same is done with vora-floor, a minimal Qt window
// that shows a block for 300 ms on a precise timer: the floor of the machine and the X server.
// Prints one JSON object; asserts nothing.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <vector>

namespace {

// Windows come and go while the tree is searched (the splash, menus): a request about one that
// has just gone fails, and that is no reason to stop.
int ignoreXErrors(Display *, XErrorEvent *)
{
    return 0;
}

// Every process started here ends with this one, however this one ends.
void endsWithUs(QProcess &p)
{
    p.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

qint64 nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// The program's layout in twips, as its windows place their controls (15 twips a pixel).
int px(double twips)
{
    return int(std::lround(twips / 15.0));
}

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool touches(const XRectangle &r) const
    {
        return r.x < x + w && x < r.x + r.width && r.y < y + h && y < r.y + r.height;
    }
};

double percentile(std::vector<double> v, double q)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    std::size_t rank = std::size_t(q * v.size() + 0.999999);
    rank = std::clamp<std::size_t>(rank, 1, v.size());
    return v[rank - 1];
}

double rounded(double v, int decimals = 3)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(v * scale) / scale;
}

QJsonObject spread(const std::vector<double> &v)
{
    return QJsonObject{{QStringLiteral("p50"), rounded(percentile(v, 0.5))},
                       {QStringLiteral("p99"), rounded(percentile(v, 0.99))},
                       {QStringLiteral("max"), rounded(percentile(v, 1.0))},
                       {QStringLiteral("min"), rounded(percentile(v, 0.0))},
                       {QStringLiteral("samples"), int(v.size())}};
}

// ---- the display ---------------------------------------------------------------------------

// A private Xvfb with openbox on it, gone with this object.
class XServer {
public:
    ~XServer()
    {
        for (QProcess *p : {&m_wm, &m_xvfb}) {
            if (p->state() != QProcess::NotRunning) {
                p->terminate();
                if (!p->waitForFinished(3000))
                    p->kill();
                p->waitForFinished(1000);
            }
        }
    }
    bool start(QString *error)
    {
        endsWithUs(m_xvfb);
        endsWithUs(m_wm);
        m_xvfb.setProgram(QStringLiteral("Xvfb"));
        // -displayfd 1: Xvfb picks a free display and writes its number to its standard output.
        m_xvfb.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                             QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                             QStringLiteral("tcp")});
        m_xvfb.start();
        if (!m_xvfb.waitForStarted(5000)) {
            *error = QStringLiteral("Xvfb did not start (is the xvfb package installed?)");
            return false;
        }
        QByteArray number;
        const qint64 until = nowNs() + 10000000000LL;
        while (!number.contains('\n') && nowNs() < until) {
            m_xvfb.waitForReadyRead(200);
            number += m_xvfb.readAllStandardOutput();
        }
        if (!number.contains('\n')) {
            *error = QStringLiteral("Xvfb gave no display number");
            return false;
        }
        m_display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        m_wm.setProcessEnvironment(env);
        m_wm.setProgram(QStringLiteral("openbox"));
        m_wm.setStandardOutputFile(QProcess::nullDevice());
        m_wm.setStandardErrorFile(QProcess::nullDevice());
        m_wm.start();
        if (!m_wm.waitForStarted(5000)) {
            *error = QStringLiteral("openbox did not start (is the openbox package installed?)");
            return false;
        }
        return true;
    }
    QString display() const { return m_display; }

private:
    QProcess m_xvfb;
    QProcess m_wm;
    QString m_display;
};

// What the watched rectangle shows.
enum class Shows { Cleared, Digit };

// The subject at the screen: types, clicks and watches, over its own X connection.
class Subject {
public:
    ~Subject()
    {
        if (m_dpy)
            XCloseDisplay(m_dpy);
    }
    bool open(const QString &display, QString *error)
    {
        XSetErrorHandler(ignoreXErrors);
        m_dpy = XOpenDisplay(display.toLatin1().constData());
        if (!m_dpy) {
            *error = QStringLiteral("cannot open display ") + display;
            return false;
        }
        int event = 0, err = 0, major = 0, minor = 0;
        if (!XTestQueryExtension(m_dpy, &event, &err, &major, &minor)) {
            *error = QStringLiteral("the X server has no XTEST");
            return false;
        }
        if (!XDamageQueryExtension(m_dpy, &m_damageEvent, &err)) {
            *error = QStringLiteral("the X server has no DAMAGE");
            return false;
        }
        // Openbox may still be taking the screen; a window that appears before it does is
        // reparented later.
        return true;
    }
    Display *dpy() const { return m_dpy; }

    // A viewable window whose title (EWMH's UTF-8 name, else WM_NAME) is `title`.
    Window findWindow(const QByteArray &title, int timeoutMs)
    {
        const qint64 until = nowNs() + qint64(timeoutMs) * 1000000;
        for (;;) {
            if (const Window w = search(DefaultRootWindow(m_dpy), title))
                return w;
            if (nowNs() > until)
                return 0;
            pause(50);
        }
    }
    bool viewable(Window w)
    {
        XWindowAttributes a{};
        return XGetWindowAttributes(m_dpy, w, &a) && a.map_state == IsViewable;
    }
    // Window coordinates of `w`'s client area on the subject.
    QPoint origin(Window w)
    {
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(m_dpy, w, DefaultRootWindow(m_dpy), 0, 0, &x, &y, &child);
        return {x, y};
    }
    void click(Window w, QPoint at)
    {
        const QPoint o = origin(w);
        XTestFakeMotionEvent(m_dpy, -1, o.x() + at.x(), o.y() + at.y(), CurrentTime);
        XFlush(m_dpy);
        pause(80);
        XTestFakeButtonEvent(m_dpy, 1, True, CurrentTime);
        XFlush(m_dpy);
        pause(60);
        XTestFakeButtonEvent(m_dpy, 1, False, CurrentTime);
        XFlush(m_dpy);
        pause(200);
    }
    // Returns the moment the key left for the server.
    qint64 key(KeySym sym, bool press)
    {
        const KeyCode code = XKeysymToKeycode(m_dpy, sym);
        XTestFakeKeyEvent(m_dpy, code, press ? True : False, CurrentTime);
        const qint64 at = nowNs();
        XFlush(m_dpy);
        return at;
    }

    // The first key from XTest's own keyboard device makes the server switch the core keyboard
    // to it and tell every client, which then fetches the keymap anew (tens of ms). A subject's
    // keyboard has long been the one in use when a run starts; here a Shift press, which no
    // window takes as an answer, makes the switch before anything is timed.
    void warmUpKeyboard()
    {
        key(XK_Shift_L, true);
        pause(30);
        key(XK_Shift_L, false);
        pause(300);
    }

    void watch(Window w, Rect r)
    {
        m_window = w;
        m_rect = r;
        m_damage = XDamageCreate(m_dpy, w, XDamageReportRawRectangles);
        XSync(m_dpy, False);
    }
    void unwatch()
    {
        if (m_damage)
            XDamageDestroy(m_dpy, m_damage);
        m_damage = 0;
        XSync(m_dpy, False);
        drain();
    }
    // Looks at the rectangle now: the digit (or the floor's block) is a light figure on the
    // frame's dark grey. Anything else (the black square, the flicker, the results view that
    // takes the window after the last answer) is not the digit.
    Shows look()
    {
        XImage *img = XGetImage(m_dpy, m_window, m_rect.x, m_rect.y, m_rect.w, m_rect.h, AllPlanes, ZPixmap);
        if (!img)
            return Shows::Cleared;
        int light = 0;
        int frame = 0;
        for (int y = 0; y < m_rect.h; ++y) {
            for (int x = 0; x < m_rect.w; ++x) {
                const unsigned long p = XGetPixel(img, x, y) & 0xffffff;
                if (((p >> 16) & 0xff) > 200 && ((p >> 8) & 0xff) > 200 && (p & 0xff) > 200)
                    ++light;
                else if (p == 0x404040)
                    ++frame;
            }
        }
        XDestroyImage(img);
        return light >= 30 && frame >= m_rect.w * m_rect.h / 4 ? Shows::Digit : Shows::Cleared;
    }
    // Colour of one pixel of the watched window, 0xRRGGBB.
    unsigned long pixel(QPoint at)
    {
        XImage *img = XGetImage(m_dpy, m_window, at.x(), at.y(), 1, 1, AllPlanes, ZPixmap);
        if (!img)
            return 0xffffffff;
        const unsigned long p = XGetPixel(img, 0, 0) & 0xffffff;
        XDestroyImage(img);
        return p;
    }
    // Waits for the next damage that touches the rectangle, until `deadline`. `at` is when its
    // event reached this process; `shows` what the rectangle shows after it.
    bool nextDamage(qint64 deadline, qint64 *at, Shows *shows)
    {
        for (;;) {
            while (XPending(m_dpy)) {
                XEvent ev;
                XNextEvent(m_dpy, &ev);
                if (ev.type != m_damageEvent + XDamageNotify)
                    continue;
                const auto *d = reinterpret_cast<XDamageNotifyEvent *>(&ev);
                if (d->damage != m_damage || !m_rect.touches(d->area))
                    continue;
                *at = m_readAt;
                *shows = look();
                // Events read during that round trip came no later than now.
                m_readAt = nowNs();
                return true;
            }
            const qint64 left = deadline - nowNs();
            if (left <= 0)
                return false;
            pollfd pfd{ConnectionNumber(m_dpy), POLLIN, 0};
            ::poll(&pfd, 1, int(std::min<qint64>(left / 1000000 + 1, 1000)));
            m_readAt = nowNs();
        }
    }
    // Lets `ms` pass while the events that come meanwhile are read and dropped.
    void pause(int ms)
    {
        const qint64 until = nowNs() + qint64(ms) * 1000000;
        for (;;) {
            drain();
            const qint64 left = until - nowNs();
            if (left <= 0)
                return;
            pollfd pfd{ConnectionNumber(m_dpy), POLLIN, 0};
            ::poll(&pfd, 1, int(left / 1000000 + 1));
        }
    }

private:
    void drain()
    {
        while (XPending(m_dpy)) {
            XEvent ev;
            XNextEvent(m_dpy, &ev);
        }
    }
    Window search(Window w, const QByteArray &title)
    {
        if (viewable(w) && name(w) == title)
            return w;
        Window root = 0, parent = 0, *children = nullptr;
        unsigned int n = 0;
        if (!XQueryTree(m_dpy, w, &root, &parent, &children, &n))
            return 0;
        Window found = 0;
        for (unsigned int i = 0; i < n && !found; ++i)
            found = search(children[i], title);
        if (children)
            XFree(children);
        return found;
    }
    QByteArray name(Window w)
    {
        const Atom netName = XInternAtom(m_dpy, "_NET_WM_NAME", False);
        const Atom utf8 = XInternAtom(m_dpy, "UTF8_STRING", False);
        Atom type = 0;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char *data = nullptr;
        QByteArray out;
        if (XGetWindowProperty(m_dpy, w, netName, 0, 256, False, utf8, &type, &format, &items, &after, &data) == Success
            && data) {
            out = QByteArray(reinterpret_cast<char *>(data), int(items));
            XFree(data);
            return out;
        }
        char *plain = nullptr;
        if (XFetchName(m_dpy, w, &plain) && plain) {
            out = plain;
            XFree(plain);
        }
        return out;
    }

    Display *m_dpy = nullptr;
    int m_damageEvent = 0;
    Damage m_damage = 0;
    Window m_window = 0;
    Rect m_rect;
    qint64 m_readAt = 0;
};

// ---- one series of answers ------------------------------------------------------------------

struct Series {
    std::vector<double> keyToPixelsMs;
    std::vector<double> shownErrorMs; // shown minus 300 ms
    int missed = 0; // answers whose digit or cover was not seen
    QJsonArray missedTrials; // which, and what was seen of them
    QString error;
};

// Types `count` answers into the watched rectangle's window, each after the previous cover.
Series typeAnswers(Subject &subject, int count, const QString &digits)
{
    Series s;
    QRandomGenerator rng(20261209);
    for (int i = 0; i < count; ++i) {
        // A subject answers some time after the square is back.
        subject.pause(int(rng.bounded(200, 600)));
        const KeySym sym = digits.at(i % digits.size()) == QLatin1Char('1') ? XK_1 : XK_0;
        const qint64 sent = subject.key(sym, true);
        bool released = false;
        const qint64 releaseAt = sent + qint64(rng.bounded(40, 100)) * 1000000;
        qint64 shownAt = -1, coveredAt = -1;
        const qint64 giveUp = sent + 3000000000LL;
        while (coveredAt < 0) {
            qint64 at = 0;
            Shows shows = Shows::Cleared;
            const qint64 wait = released ? giveUp : std::min(giveUp, releaseAt);
            if (!subject.nextDamage(wait, &at, &shows)) {
                if (!released && nowNs() >= releaseAt) {
                    subject.key(sym, false);
                    released = true;
                    continue;
                }
                break;
            }
            if (shownAt < 0 && shows == Shows::Digit)
                shownAt = at;
            else if (shownAt >= 0 && shows == Shows::Cleared)
                coveredAt = at;
        }
        if (!released)
            subject.key(sym, false);
        if (shownAt < 0 || coveredAt < 0) {
            ++s.missed;
            s.missedTrials.append(QStringLiteral("%1: %2").arg(i + 1).arg(shownAt < 0 ? "no digit" : "no cover"));
            continue;
        }
        s.keyToPixelsMs.push_back((shownAt - sent) / 1e6);
        s.shownErrorMs.push_back((coveredAt - shownAt) / 1e6 - 300.0);
    }
    return s;
}

QJsonArray samples(const std::vector<double> &v)
{
    QJsonArray a;
    for (const double x : v)
        a.append(rounded(x));
    return a;
}

QJsonObject figures(const Series &s, bool raw)
{
    QJsonObject o;
    if (raw) {
        o.insert(QStringLiteral("key_to_pixels_samples_ms"), samples(s.keyToPixelsMs));
        o.insert(QStringLiteral("shown_duration_error_samples_ms"), samples(s.shownErrorMs));
    }
    if (!s.error.isEmpty())
        o.insert(QStringLiteral("error"), s.error);
    o.insert(QStringLiteral("key_to_pixels_ms"), spread(s.keyToPixelsMs));
    o.insert(QStringLiteral("shown_duration_error_ms"), spread(s.shownErrorMs));
    o.insert(QStringLiteral("missed"), s.missed);
    if (raw)
        o.insert(QStringLiteral("missed_trials"), s.missedTrials);
    return o;
}

QProcessEnvironment displayEnv(const QString &display, const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/share"));
    env.remove(QStringLiteral("VORA_APP_DIR"));
    return env;
}

// ---- the floor ----------------------------------------------------------------------------

Series floorSeries(Subject &subject, const QString &floorProgram, const QString &display, const QString &home,
                   int count)
{
    Series s;
    QProcess floor;
    endsWithUs(floor);
    floor.setProcessEnvironment(displayEnv(display, home));
    floor.start(floorProgram, {});
    if (!floor.waitForStarted(5000)) {
        s.error = QStringLiteral("vora-floor did not start");
        return s;
    }
    const Window w = subject.findWindow("vora-floor", 15000);
    if (!w) {
        s.error = QStringLiteral("the floor window did not appear");
    } else {
        subject.pause(500);
        subject.click(w, {20, 20}); // the window has the keyboard
        subject.warmUpKeyboard();
        subject.watch(w, {136, 87, 128, 125}); // a frame as large as the digit frame, the block in it
        s = typeAnswers(subject, count, QStringLiteral("10"));
        subject.unwatch();
    }
    floor.terminate();
    if (!floor.waitForFinished(3000))
        floor.kill();
    return s;
}

// ---- the program --------------------------------------------------------------------------

bool copyProgramFolder(const QString &from, const QString &to)
{
    // Only what the program delivers: the program, its pictures and its help page.
    for (const QFileInfo &f : QDir(from).entryInfoList(QDir::Files)) {
        const QString name = f.fileName();
        if (name != QLatin1String("VORAjikken") && name != QLatin1String("esphelp2.htm")
            && !name.endsWith(QLatin1String(".jpg")))
            continue;
        const QString target = to + QLatin1Char('/') + name;
        if (!QFile::copy(f.absoluteFilePath(), target))
            return false;
        QFile::setPermissions(target, f.permissions());
    }
    return QFileInfo::exists(to + QStringLiteral("/VORAjikken"));
}

bool writeCrLf(const QString &path, const QList<QByteArray> &lines)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray &l : lines)
        f.write(l + "\r\n");
    return f.flush();
}

Series programSeries(Subject &subject, const QString &appDir, const QString &display, const QString &home, int count)
{
    Series s;
    QTemporaryDir folder;
    if (!folder.isValid() || !copyProgramFolder(appDir, folder.path())) {
        s.error = QStringLiteral("could not copy the program folder ") + appDir;
        return s;
    }
    // One experiment in box 1 (no stimulus, the typed digit shown), already selected; the
    // update page is asked of a port where nothing listens, so the start-up never waits on it.
    const QString dir = folder.path();
    if (!writeCrLf(dir + QStringLiteral("/Combo1.txt"), {"XBench    -n-"})
        || !writeCrLf(dir + QStringLiteral("/Jikkenmei.txt"), {"XBench     n-"})
        || !writeCrLf(dir + QStringLiteral("/update-site.txt"), {"http://127.0.0.1:9/esp/"})) {
        s.error = QStringLiteral("could not prepare the program folder");
        return s;
    }
    QProcess program;
    endsWithUs(program);
    program.setProcessEnvironment(displayEnv(display, home));
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(QProcess::nullDevice());
    program.start(dir + QStringLiteral("/VORAjikken"), {});
    const auto stop = [&program] {
        program.terminate();
        if (!program.waitForFinished(5000))
            program.kill();
        program.waitForFinished(2000);
    };
    if (!program.waitForStarted(5000)) {
        s.error = QStringLiteral("the program did not start");
        return s;
    }
    // The splash stays 3 s; then the main window.
    const Window main = subject.findWindow("VORA", 30000);
    if (!main) {
        s.error = QStringLiteral("the main window did not appear");
        stop();
        return s;
    }
    subject.pause(800);
    subject.click(main, {px(200) + px(2300) / 2, px(2530) + px(360) / 2}); // box 1's select button
    subject.pause(500);
    subject.click(main, {px(400) + px(2400) / 2, px(6300) + px(640) / 2}); // 実験の開始
    const Window run = subject.findWindow("ESP実験", 15000);
    if (!run) {
        s.error = QStringLiteral("the experiment window did not appear");
        stop();
        return s;
    }
    subject.pause(800);
    // The digit frame as the window lays it out: centred, under the instruction panel.
    const int frameW = px(2040), frameH = px(1995);
    const int frameX = (px(14500) - frameW) / 2;
    const int frameY = px(1560) + px(2400) + px(500);
    subject.watch(run, {frameX + 4, frameY + 4, frameW - 8, frameH - 8});
    const QPoint centre(frameX + frameW / 2, frameY + frameH / 2);
    if (subject.pixel(centre) != 0x404040) {
        s.error = QStringLiteral("the digit frame is not where the layout puts it (pixel %1)")
                      .arg(subject.pixel(centre), 6, 16, QLatin1Char('0'));
        stop();
        return s;
    }
    subject.click(run, {frameX + frameW - px(300) + px(1300) / 2, frameY + px(500) + px(600) / 2}); // 開始
    subject.warmUpKeyboard(); // the countdown takes no keys
    // About 9 s of countdown; the run has begun when the black square covers the frame.
    const qint64 until = nowNs() + 30000000000LL;
    while (nowNs() < until && subject.pixel(centre) != 0 && subject.pixel({frameX + 8, frameY + 8}) != 0)
        subject.pause(100);
    if (subject.pixel(centre) != 0) {
        s.error = QStringLiteral("the run did not start");
        stop();
        return s;
    }
    subject.pause(500);
    QString digits;
    QRandomGenerator rng(7);
    for (int i = 0; i < count; ++i)
        digits += rng.bounded(2) ? QLatin1Char('1') : QLatin1Char('0');
    s = typeAnswers(subject, count, digits);
    subject.unwatch();
    subject.pause(1000); // the run is saved and its results drawn
    stop();
    return s;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    auto option = [&](const QString &name, const QString &fallback) {
        const int i = args.indexOf(name);
        return i >= 0 && i + 1 < args.size() ? args.at(i + 1) : fallback;
    };
    const QString appDir = option(QStringLiteral("--app-dir"), QString());
    const QString floorProgram = option(QStringLiteral("--floor"), QString());
    const int trials = option(QStringLiteral("--trials"), QStringLiteral("100")).toInt();
    const bool raw = args.contains(QStringLiteral("--raw")); // every sample, in order
    if (appDir.isEmpty() || floorProgram.isEmpty() || trials < 1) {
        std::fprintf(stderr, "usage: vora-xbench --app-dir BUILD/app --floor PATH/vora-floor [--trials N] [--raw]\n");
        return 2;
    }

    QJsonObject out;
    QString error;
    XServer x;
    Subject subject;
    QTemporaryDir home;
    if (!x.start(&error) || !subject.open(x.display(), &error)) {
        out.insert(QStringLiteral("error"), error);
    } else {
        subject.pause(1000); // openbox takes the screen
        const Series program = programSeries(subject, appDir, x.display(), home.path(), trials);
        const Series floor = floorSeries(subject, floorProgram, x.display(), home.path(), trials);
        out.insert(QStringLiteral("program"), figures(program, raw));
        out.insert(QStringLiteral("floor"), figures(floor, raw));
        if (!program.keyToPixelsMs.empty() && !floor.keyToPixelsMs.empty()) {
            const double keyRatio =
                percentile(program.keyToPixelsMs, 0.99) / std::max(1e-6, percentile(floor.keyToPixelsMs, 0.99));
            const double shownOver = percentile(program.shownErrorMs, 0.99) - percentile(floor.shownErrorMs, 0.99);
            out.insert(QStringLiteral("key_to_pixels_p99_ratio"), rounded(keyRatio, 2));
            out.insert(QStringLiteral("shown_error_p99_over_floor_ms"), rounded(shownOver, 3));
            out.insert(QStringLiteral("goals"), QStringLiteral("key_to_pixels_p99_ratio <= 1.25, "
                                                               "shown_error_p99_over_floor_ms <= 0.5"));
        }
    }
    const QByteArray json = QJsonDocument(out).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, json.size(), stdout);
    return 0;
}
