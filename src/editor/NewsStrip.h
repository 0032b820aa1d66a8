#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>

class QNetworkAccessManager;
class QNetworkReply;
class QTextBrowser;
class UrlOpener;

// The news strip: a narrow cut of the product's web page. The page is fetched and shown as rich
// text (no web engine); a failed fetch is the strip's navigation error, which hides it so the link
// label beneath shows through.
class NewsStrip final : public QWidget {
    Q_OBJECT
public:
    NewsStrip(QWidget* parent, UrlOpener& urls);
    ~NewsStrip() override;

    // Fetches the page; nothing waits for it.
    void Navigate(const QUrl& address);

    QTextBrowser* newsbar = nullptr;

signals:
    void NavigateError();

private:
    void onFinished(QNetworkReply* reply);

    UrlOpener& urls_;
    QNetworkAccessManager* network_ = nullptr;
    QPointer<QNetworkReply> pending_;
};
