// Pages placed in the program folder that try to reach past it, opened in the
// real browser plugin offscreen: every route out must be refused, and a game
// must still play from start to result.

#include "browser_host.h"
#include "main_window.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTabBar>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

constexpr int browserTimeout = 30000; // the engine's first start is slow on a busy machine

bool writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

QWebEngineView* webView(QWidget* host)
{
    return host->findChild<QWebEngineView*>();
}

// Runs a script in the page and waits for its value (invalid when it threw).
QVariant evaluate(QWebEngineView* view, const QString& script)
{
    QVariant value;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant& result) {
        value = result;
        done = true;
    });
    return QTest::qWaitFor([&] { return done; }, browserTimeout) ? value : QVariant();
}

// A program folder with a secret beside it, links inside that lead to the
// secret, and a listening socket that counts every connection a page makes.
class HostileFolder {
public:
    HostileFolder()
    {
        program = root.filePath(QStringLiteral("program"));
        outside = root.filePath(QStringLiteral("outside"));
        ready = QDir().mkpath(program + QStringLiteral("/123_files")) && QDir().mkpath(outside)
            && writeFile(outside + QStringLiteral("/secret.txt"), "SECRET")
            && writeFile(outside + QStringLiteral("/secret.htm"),
                         "<!DOCTYPE html><html><head><title>secret</title></head><body>SECRET</body></html>")
            && QFile::link(outside + QStringLiteral("/secret.txt"), program + QStringLiteral("/secret_link.txt"))
            && QFile::link(outside + QStringLiteral("/secret.htm"), program + QStringLiteral("/link.htm"))
            && QFile::link(root.filePath(QStringLiteral("gone.htm")), program + QStringLiteral("/dangling.htm"))
            && QFile::link(outside, program + QStringLiteral("/123_files/outside"))
            && server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                ++connections;
                socket->abort();
                socket->deleteLater();
            }
        });
    }

    // A page of the folder that runs the script; report(text) sets its title.
    QString page(const QString& script) const
    {
        const QString html = QStringLiteral(
            "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>waiting</title></head><body>"
            "<a id=\"away\"></a><script>\n"
            "const SECRET_FILE = '%1';\nconst SECRET_PAGE = '%2';\nconst SERVER = 'http://127.0.0.1:%3/';\n"
            "const SOCKET = 'ws://127.0.0.1:%3/';\nconst PORT = %3;\n"
            "const report = text => { document.title = text; };\n"
            "const readOrRefused = text => report(text.includes('SECRET') ? 'read' : 'refused');\n%4\n"
            "</script></body></html>")
            .arg(QUrl::fromLocalFile(outside + QStringLiteral("/secret.txt")).toString(QUrl::FullyEncoded),
                 QUrl::fromLocalFile(outside + QStringLiteral("/secret.htm")).toString(QUrl::FullyEncoded))
            .arg(server.serverPort())
            .arg(script);
        const QString path = program + QStringLiteral("/attack.htm");
        return writeFile(path, html.toUtf8()) ? path : QString();
    }

    QTemporaryDir root;
    QString program;
    QString outside;
    QTcpServer server;
    int connections = 0;
    bool ready = false;
};

} // namespace

class HostilePagesTest : public QObject {
    Q_OBJECT

private slots:
    // Each row is one route out of the folder. A read that is refused ends in
    // the title "refused"; a page that cannot be shown ends in one of ours.
    void everyRouteOutIsRefused_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("title");
        const QString refused = QStringLiteral("refused");
        const QString notOpened = QStringLiteral("这一页不能打开");
        const QString xhr = QStringLiteral(
            "const request = new XMLHttpRequest();\n"
            "request.onload = () => readOrRefused(request.responseText);\n"
            "request.onerror = () => report('refused');\n"
            "try { request.open('GET', %1); request.send(); } catch (e) { report('refused'); }");
        const QString fetch = QStringLiteral(
            "fetch(%1).then(response => response.text()).then(readOrRefused, () => report('refused'));");
        QTest::newRow("fetch of a file outside") << fetch.arg(QStringLiteral("SECRET_FILE")) << refused;
        QTest::newRow("XHR of a file outside") << xhr.arg(QStringLiteral("SECRET_FILE")) << refused;
        QTest::newRow("XHR through a link") << xhr.arg(QStringLiteral("'secret_link.txt'")) << refused;
        QTest::newRow("fetch through a linked folder")
            << fetch.arg(QStringLiteral("'123_files/outside/secret.txt'")) << refused;
        QTest::newRow("fetch from the network") << fetch.arg(QStringLiteral("SERVER")) << refused;
        QTest::newRow("WebSocket")
            << QStringLiteral("const socket = new WebSocket(SOCKET);\n"
                              "socket.onopen = () => report('open');\n"
                              "socket.onerror = socket.onclose = () => report('refused');")
            << refused;
        QTest::newRow("picture from the network")
            << QStringLiteral("const picture = new Image();\n"
                              "picture.onload = () => report('loaded');\n"
                              "picture.onerror = () => report('refused');\n"
                              "picture.src = SERVER + 'x.png';")
            << refused;
        QTest::newRow("fetch from a worker")
            << QStringLiteral("const worker = new Worker(URL.createObjectURL(new Blob(\n"
                              "  [`fetch('${SERVER}').then(() => postMessage('read'), () => postMessage('refused'));`])));\n"
                              "worker.onmessage = message => report(message.data);")
            << refused;
        QTest::newRow("peer connection through a TURN server")
            << QStringLiteral("try {\n"
                              "  const peer = new RTCPeerConnection({ iceServers: [{ urls: `turn:127.0.0.1:${PORT}?transport=tcp`,\n"
                              "                                                      username: 'u', credential: 'c' }] });\n"
                              "  peer.createDataChannel('d');\n"
                              "  peer.createOffer().then(offer => peer.setLocalDescription(offer));\n"
                              "  setTimeout(() => report('tried'), 2000);\n"
                              "} catch (e) { report('refused'); }")
            << refused;
        QTest::newRow("microphone")
            << QStringLiteral("navigator.mediaDevices.getUserMedia({ audio: true })"
                              ".then(() => report('granted'), () => report('refused'));")
            << refused;
        QTest::newRow("window.open of a file outside") << QStringLiteral("window.open(SECRET_PAGE);") << notOpened;
        QTest::newRow("window.open of the network") << QStringLiteral("window.open(SERVER);") << notOpened;
        QTest::newRow("link to a new window outside")
            << QStringLiteral("const away = document.getElementById('away');\n"
                              "away.href = SECRET_PAGE; away.target = '_blank'; away.click();")
            << notOpened;
        QTest::newRow("link through a link") << QStringLiteral("location.href = 'link.htm';") << notOpened;
        QTest::newRow("link to a dangling link")
            << QStringLiteral("location.href = 'dangling.htm';") << QStringLiteral("页面不存在");
    }
    void everyRouteOutIsRefused()
    {
        QFETCH(QString, script);
        QFETCH(QString, title);
        HostileFolder folder;
        QVERIFY(folder.ready);
        const QString attack = folder.page(script);
        QVERIFY(!attack.isEmpty());

        BrowserHost host(folder.program, nullptr);
        host.resize(745, 433);
        host.show();
        // The engine starts once the host's first frame is on the screen.
        QTRY_VERIFY2_WITH_TIMEOUT(webView(&host), "the browser plugin did not load", browserTimeout);
        QWebEngineView* view = webView(&host);
        WebBrowser browser;
        browser.navigate(attack);
        host.render(browser);
        QTRY_COMPARE_WITH_TIMEOUT(view->title(), title, browserTimeout);
        // Whatever the page shows, nothing reached the network.
        QTest::qWait(200);
        QCOMPARE(folder.connections, 0);
    }

    // A game, opened from its tree leaf as the pupil does, plays through to its
    // result: its engine and style sheet come from inside the folder.
    void aGameStillPlays()
    {
        MainWindow window(buildDir());
        window.show();
        window.findChild<QTabBar*>()->setCurrentIndex(8);
        clickNode(window, QStringLiteral("有余数除法"));
        QTRY_VERIFY2_WITH_TIMEOUT(webView(window.widget(QStringLiteral("WebBrowser1"))), "the browser plugin did not load",
                                  browserTimeout);
        QWebEngineView* view = webView(window.widget(QStringLiteral("WebBrowser1")));
        QTRY_COMPARE_WITH_TIMEOUT(view->title(), QStringLiteral("有余数除法"), browserTimeout);

        // Answer every question right through the page's own controls.
        const QString play = QStringLiteral(R"(
            (() => {
              const game = window.tallowbyGame;
              document.getElementById('tg-start').click();
              for (let step = 0; step < 100 && game.state.phase !== 'result'; ++step) {
                const expected = game.expected();
                if (expected.kind === 'type')
                  expected.values.forEach((value, i) => { document.querySelector(`[data-field="${i}"]`).value = value; });
                if (expected.kind === 'choice')
                  document.querySelector(`[data-choice="${expected.index}"]`).click();
                else
                  document.getElementById('tg-check').click();
                document.getElementById('tg-next').click();
              }
              return JSON.stringify(game.state);
            })())");
        // The title stands in the head; the engine builds the page after it.
        QTRY_VERIFY_WITH_TIMEOUT(evaluate(view, QStringLiteral("document.readyState === 'complete'")).toBool(),
                                 browserTimeout);
        const QString result = evaluate(view, play).toString();
        const QJsonObject state = QJsonDocument::fromJson(result.toUtf8()).object();
        QVERIFY2(state[QStringLiteral("finished")].toBool(), qPrintable(result));
        QVERIFY(state[QStringLiteral("total")].toInt() > 0);
        QCOMPARE(state[QStringLiteral("correct")].toInt(), state[QStringLiteral("total")].toInt());
        QCOMPARE(state[QStringLiteral("stars")].toInt(), 3);
    }
};

int main(int argc, char* argv[])
{
    prepareBrowserEngine();
    QApplication application(argc, argv);
    HostilePagesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hostile_pages.moc"
