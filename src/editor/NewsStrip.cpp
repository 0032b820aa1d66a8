#include "NewsStrip.h"

#include "core/Log.h"
#include "platform/UrlOpener.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTextBrowser>

namespace {
// A page is a few kilobytes; a larger answer is not a news page.
constexpr qint64 maxPageBytes = 512 * 1024;
constexpr int timeoutMs = 15000;
} // namespace

NewsStrip::NewsStrip(QWidget* parent, UrlOpener& urls)
    : QWidget(parent)
    , urls_(urls) {
    setObjectName("Picture10");
    newsbar = new QTextBrowser(this);
    newsbar->setObjectName("newsbar");
    // Larger than the strip and shifted, so the strip clips the view's frame and scroll bars.
    newsbar->setGeometry(-2, -2, 289, 57);
    newsbar->setOpenLinks(false);
    newsbar->setFrameShape(QFrame::NoFrame);
    newsbar->setStyleSheet(QStringLiteral("QTextBrowser { background: #22304a; color: white; }"));
    connect(newsbar, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        Log::report("opening a link of the news", urls_.open(link.toString().toStdString()));
    });
}

NewsStrip::~NewsStrip() = default;

void NewsStrip::Navigate(const QUrl& address) {
    if (!network_) {
        network_ = new QNetworkAccessManager(this);
        network_->setTransferTimeout(timeoutMs);
        connect(network_, &QNetworkAccessManager::finished, this, &NewsStrip::onFinished);
    }
    if (pending_)
        pending_->abort();
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    pending_ = network_->get(request);
    connect(pending_.data(), &QNetworkReply::downloadProgress, this,
            [this](qint64 received, qint64) {
                if (received > maxPageBytes && pending_)
                    pending_->abort();
            });
}

void NewsStrip::onFinished(QNetworkReply* reply) {
    reply->deleteLater();
    if (reply != pending_)
        return;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError ||
        (status != 0 && (status < 200 || status > 299))) {
        Log::info("the news page " + reply->url().toString().toStdString() +
                  " could not be shown: " + reply->errorString().toStdString());
        emit NavigateError();
        return;
    }
    const QByteArray page = reply->read(maxPageBytes);
    newsbar->document()->setBaseUrl(reply->url());
    newsbar->setHtml(QString::fromUtf8(page));
}
