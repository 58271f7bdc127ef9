#include "CCheckNew.h"

#include "CUserProfile.h"
#include "Common.h"
#include "Platform.h"
#include "WindowHelpers.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QDomDocument>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <QVBoxLayout>
#include <QVersionNumber>

#ifndef GB_UPDATE_URL
#define GB_UPDATE_URL ""
#endif

namespace {
constexpr qint64 kMaxFeedBytes = 1024 * 1024;
constexpr int kTimeoutMs = 15000;
const char* const kLastDateKey = "Settings/CheckNew.LastDate";
} // namespace

CCheckNew::CCheckNew(QWidget* parent) : QDialog(parent)
{
    setObjectName("CCheckNew");
    setWindowTitle(tr("Check for New Version"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    labelText = new QLabel(this);
    labelText->setObjectName("labelText");
    labelText->setWordWrap(true);
    labelText->setMinimumWidth(320);
    labelText->setTextFormat(Qt::RichText);
    labelText->setOpenExternalLinks(false);
    connect(labelText, &QLabel::linkActivated, this, [](const QString& link) { OpenExternal(link); });
    layout->addWidget(labelText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    network = new QNetworkAccessManager(this);
}

CCheckNew::~CCheckNew()
{
    if (reply) {
        reply->disconnect(this);
        reply->abort();
    }
}

QString CCheckNew::FeedAddress()
{
    const QString fromEnvironment = qEnvironmentVariable("GLIMMERBOX_UPDATE_URL");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QString::fromUtf8(GB_UPDATE_URL);
}

bool CCheckNew::IsDue(const QString& lastDate, int interval, const QDate& today)
{
    QDate last = QDate::fromString(lastDate, "yy-MM-dd");
    if (!last.isValid())
        return true;
    // Two-digit years are of this century.
    if (last.year() < 2000)
        last = last.addYears(100);
    if (last > today)
        return true;
    const int days = interval <= 0 ? 1 : (interval == 1 ? 7 : 30);
    return last.daysTo(today) >= days;
}

bool CCheckNew::ParseFeed(const QByteArray& xml, QString& version, QString& url)
{
    QDomDocument document;
    if (!document.setContent(xml))
        return false;
    const QDomElement root = document.documentElement();
    if (root.tagName() != "Versions")
        return false;
    QVersionNumber best;
    for (QDomElement entry = root.firstChildElement("Version"); !entry.isNull();
         entry = entry.nextSiblingElement("Version")) {
        QString text = entry.attribute("Number");
        if (text.isEmpty())
            text = entry.text().trimmed();
        const QVersionNumber number = QVersionNumber::fromString(text);
        if (number.isNull() || number <= best)
            continue;
        best = number;
        version = number.toString();
        url = entry.attribute("Url");
    }
    return !best.isNull();
}

void CCheckNew::show()
{
    SystemLogWrite("CCheckNew::show", autoCheck ? "automatic" : "manual");
    if (reply)
        return; // one check at a time
    manual = !autoCheck;
    CUserProfile* profile = CUserProfile::GetInstance();
    if (autoCheck) {
        if (!profile->autoCheck ||
            !IsDue(GetRegistryString(kLastDateKey, QString()), profile->checkInterval,
                   QDate::currentDate()))
            return;
    }
    const QString address = FeedAddress();
    const QUrl url(address);
    if (address.isEmpty() || !url.isValid() ||
        (url.scheme() != "https" && url.scheme() != "http")) {
        Report(NotChecked, tr("This copy of Glimmerbox has no address to check for new versions."));
        return;
    }
    QNetworkRequest request(url);
    request.setTransferTimeout(kTimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    reply = network->get(request);
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
        if (received > kMaxFeedBytes && reply)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, &CCheckNew::OnReplyFinished);
}

void CCheckNew::OnReplyFinished()
{
    QNetworkReply* done = reply;
    reply = nullptr;
    if (!done)
        return;
    done->deleteLater();
    const QDate today = QDate::currentDate();
    SetRegistryString(kLastDateKey, QString::asprintf("%02d-%02d-%02d", today.year() % 100,
                                                      today.month(), today.day()));
    if (done->error() != QNetworkReply::NoError) {
        // The label shows rich text: the server's words go in as plain text.
        Report(Failed,
               tr("Could not check for a new version: %1").arg(done->errorString().toHtmlEscaped()));
        return;
    }
    QString version;
    QString download;
    if (!ParseFeed(done->readAll(), version, download)) {
        Report(Failed, tr("Could not check for a new version: the answer was not understood."));
        return;
    }
    lastVersion = version;
    const QVersionNumber mine = QVersionNumber::fromString(QStringLiteral(GB_VERSION));
    if (QVersionNumber::fromString(version) > mine) {
        QString text = tr("A new version of Glimmerbox is available: %1.").arg(version.toHtmlEscaped());
        const QUrl link(download);
        if (link.isValid() && (link.scheme() == "https" || link.scheme() == "http"))
            text += "<br><a href=\"" + link.toString(QUrl::FullyEncoded).toHtmlEscaped() + "\">" +
                    tr("Download it now") + "</a>";
        Report(NewerAvailable, text);
    } else {
        Report(UpToDate, tr("You are using the latest version of Glimmerbox."));
    }
}

void CCheckNew::Report(Result result, const QString& text)
{
    lastResult = result;
    SystemLogWrite("CCheckNew::Report", QString::number(int(result)));
    // An automatic check speaks only when there is something new.
    if (result == NewerAvailable || manual) {
        labelText->setText(text);
        adjustSize();
        if (screenGeometry.isValid())
            CenterChild(screenGeometry, screenCount, this);
        QDialog::show();
    }
    emit CheckFinished(int(result));
}
