#include "editor/NewsStrip.h"
#include "FakePorts.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {
// A web server on the loopback interface that answers every request with one page.
class OnePageServer : public QTcpServer {
public:
    explicit OnePageServer(QByteArray status, QByteArray body)
        : status_(std::move(status))
        , body_(std::move(body)) {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (!socket->readAll().contains("\r\n\r\n"))
                        return;
                    socket->write("HTTP/1.1 " + status_ +
                                  "\r\nContent-Type: text/html\r\n"
                                  "Connection: close\r\nContent-Length: " +
                                  QByteArray::number(body_.size()) + "\r\n\r\n" + body_);
                    socket->disconnectFromHost();
                });
            }
        });
        listen(QHostAddress::LocalHost);
    }
    QUrl address() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/news").arg(serverPort()));
    }

private:
    QByteArray status_;
    QByteArray body_;
};

struct News : ::testing::Test {
    FakeUrlOpener urls;
    QWidget window;
    NewsStrip strip{&window, urls};
    bool waitForPage(const QString& text) {
        for (int i = 0; i < 100 && !strip.newsbar->toPlainText().contains(text); ++i)
            QTest::qWait(20);
        return strip.newsbar->toPlainText().contains(text);
    }
};
} // namespace

TEST_F(News, ShowsThePageTheServerAnswers) {
    OnePageServer server("200 OK", "<p>Parlon learns <b>new tricks</b></p>");
    QSignalSpy failed(&strip, &NewsStrip::NavigateError);
    strip.Navigate(server.address());
    EXPECT_TRUE(waitForPage("Parlon learns new tricks"));
    EXPECT_EQ(failed.count(), 0);
}

TEST_F(News, AFailedLoadIsTheNavigationError) {
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const quint16 port = closed.serverPort();
    closed.close(); // nothing listens there now
    OnePageServer missing("404 Not Found", "<p>no such page</p>");
    for (const QUrl& address :
         {QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)), missing.address()}) {
        QSignalSpy failed(&strip, &NewsStrip::NavigateError);
        strip.Navigate(address);
        EXPECT_TRUE(failed.wait(10000)) << address.toString().toStdString();
    }
}

TEST_F(News, TheShippedPageLoads) {
    strip.Navigate(QUrl(QStringLiteral("qrc:/news/news.html")));
    EXPECT_TRUE(waitForPage("New phrases"));
}
