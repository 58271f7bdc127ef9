#pragma once

#include <QDialog>
#include <QPointer>
#include <QRect>
#include <QString>

class QLabel;
class QNetworkAccessManager;
#include <QNetworkReply>

// The update check. show() fetches the version feed (an XML document with a
// "Versions" root and "Version" entries) and tells the user when a newer
// version exists; a manual check also reports "up to date" and failures.
// The feed's address is a build setting, empty by default, which
// $GLIMMERBOX_UPDATE_URL overrides; with no address no request is made.
// The request runs asynchronously: show() never blocks.
class CCheckNew : public QDialog
{
    Q_OBJECT
public:
    enum Result { NotChecked = 0, UpToDate = 1, NewerAvailable = 2, Failed = 3 };

    explicit CCheckNew(QWidget* parent = nullptr);
    ~CCheckNew() override;

    // Starts a check: an automatic one only when the preferences allow it and
    // the interval since the last check has passed.
    void show();

    // The feed address in use ("" when this build has none).
    static QString FeedAddress();
    // Whether an automatic check is due on `today`, given the stored date of
    // the last check ("yy-mm-dd") and the interval choice (0 daily, 1 weekly,
    // 2 monthly).
    static bool IsDue(const QString& lastDate, int interval, const QDate& today);
    // The highest version named by a feed, with its download address; false
    // when the document is not a version feed.
    static bool ParseFeed(const QByteArray& xml, QString& version, QString& url);

    bool autoCheck = true;
    QRect screenGeometry;
    int screenCount = 1;

    // State of the last check, for the caller.
    Result LastResult() const { return lastResult; }
    QString LastVersion() const { return lastVersion; }
    bool IsChecking() const { return reply != nullptr; }

signals:
    void CheckFinished(int result);

private:
    void OnReplyFinished();
    void Report(Result result, const QString& text);

    QNetworkAccessManager* network = nullptr;
    QPointer<QNetworkReply> reply;
    QLabel* labelText = nullptr;
    Result lastResult = NotChecked;
    QString lastVersion;
    bool manual = false;
};
