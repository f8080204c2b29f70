// The feedback form: what it refuses to send, and where a message it sends ends.

#include "FXFeedbackManager.h"
#include "FXFeedbackWindow.h"
#include "FXTranslations.h"
#include "LoopbackHttpServer.h"
#include "ReportingHome.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(FXFeedbackUserEmail)

namespace {

const QString Feedback = QStringLiteral("feedback");

FXFeedbackWindow *openForm(ReportingHome &home, FXFeedbackUserEmail requirement)
{
    FXFeedbackManager &feedback = home.manager.feedbackManager();
    feedback.setRequireUserEmail(requirement);
    feedback.showFeedbackWindow();
    return feedback.feedbackWindow();
}

void fill(FXFeedbackWindow *form, const QString &email, const QString &message)
{
    QTest::keyClicks(form->nameField(), QStringLiteral("Ada"));
    QTest::keyClicks(form->emailField(), email);
    form->messageField()->setPlainText(message);
}

}

class FeedbackTest : public QObject {
    Q_OBJECT

private slots:
    // The texts the user reads, as the application shows them.
    void initTestCase() { FXTranslations::install(*qApp); }
    // No message of one test is left for the next to find.
    void cleanup() { qDeleteAll(QApplication::topLevelWidgets()); }
    void theFormSaysWhatKeepsAMessageFromBeingSent_data();
    void theFormSaysWhatKeepsAMessageFromBeingSent();
    void aMessageIsKeptAndPostedWhereTheSettingSays_data();
    void aMessageIsKeptAndPostedWhereTheSettingSays();
};

void FeedbackTest::theFormSaysWhatKeepsAMessageFromBeingSent_data()
{
    QTest::addColumn<FXFeedbackUserEmail>("requirement");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("problem");   // empty: sent
    const auto required = FXFeedbackUserEmail::Required;
    const auto optional = FXFeedbackUserEmail::Optional;
    const auto hidden = FXFeedbackUserEmail::DontShow;
    QTest::newRow("required and given") << required << "ada@example.org" << "Hello" << "";
    QTest::newRow("required and missing") << required << "" << "Hello"
                                          << "Please enter your e-mail address.";
    QTest::newRow("required and blank") << required << "   " << "Hello"
                                        << "Please enter your e-mail address.";
    QTest::newRow("incomplete address") << optional << "ada@" << "Hello"
                                        << "This e-mail address is not complete.";
    QTest::newRow("optional and missing") << optional << "" << "Hello" << "";
    QTest::newRow("hidden: whatever was typed is not read") << hidden << "ada@" << "Hello" << "";
    QTest::newRow("empty message") << optional << "" << " \n " << "Please write a message.";
}

void FeedbackTest::theFormSaysWhatKeepsAMessageFromBeingSent()
{
    QFETCH(FXFeedbackUserEmail, requirement);
    QFETCH(QString, email);
    QFETCH(QString, message);
    QFETCH(QString, problem);
    ReportingHome home;
    FXFeedbackWindow *form = openForm(home, requirement);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QCOMPARE(form->emailField()->isVisible(), requirement != FXFeedbackUserEmail::DontShow);
    QSignalSpy sent(form, &FXFeedbackWindow::sendRequested);
    fill(form, email, message);

    QTest::mouseClick(form->sendButton(), Qt::LeftButton);

    QCOMPARE(sent.size(), problem.isEmpty() ? 1 : 0);
    QCOMPARE(form->problemLabel()->isVisible(), !problem.isEmpty());
    if (!problem.isEmpty()) {
        QCOMPARE(form->problemLabel()->text(), problem);
        // The keyboard is where the problem is.
        QCOMPARE(QApplication::focusWidget(), problem.contains(u"e-mail")
                                                  ? static_cast<QWidget *>(form->emailField())
                                                  : static_cast<QWidget *>(form->messageField()));
    }
}

void FeedbackTest::aMessageIsKeptAndPostedWhereTheSettingSays_data()
{
    QTest::addColumn<int>("serverStatus");   // 0: no address set
    QTest::addColumn<bool>("sentBlocked");   // the folder of sent messages cannot be made
    QTest::addColumn<QString>("folder");     // where the message ends
    QTest::addColumn<QString>("result");
    QTest::newRow("posted") << 200 << false << "sent" << "Thank you for your feedback.";
    QTest::newRow("posted, but kept with the unsent")
        << 200 << true << "" << "Thank you for your feedback.";
    QTest::newRow("no address") << 0 << false << "" << "Thank you for your feedback.";
    QTest::newRow("refused") << 503 << false << "" << "Your feedback could not be sent.";
}

void FeedbackTest::aMessageIsKeptAndPostedWhereTheSettingSays()
{
    QFETCH(int, serverStatus);
    QFETCH(bool, sentBlocked);
    QFETCH(QString, folder);
    QFETCH(QString, result);
    LoopbackHttpServer server;
    server.setResponse({.status = serverStatus});
    ReportingHome home;
    if (sentBlocked) {
        // A link to nowhere where the folder would be: no folder can be made there.
        QVERIFY(QDir().mkpath(home.state(Feedback)));
        QVERIFY(QFile::link(home.folder.filePath(QStringLiteral("nowhere")), home.state(Feedback, u"sent"_qs)));
    }
    home.manager.configureWithIdentifier(ReportingIdentifier);
    if (serverStatus)
        home.defaults.setObject(server.url(QStringLiteral("/feedback")).toString(),
                                FXFeedbackManager::FeedbackURLKey);
    FXFeedbackWindow *form = openForm(home, FXFeedbackUserEmail::Required);
    // Before anything is written the form tells where the message will go, in plain words.
    QString told;
    for (const QLabel *label : form->findChildren<QLabel *>())
        told += label->text();
    QVERIFY2(told.contains(serverStatus ? u"sent to 127.0.0.1"_qs : home.state(Feedback)), qPrintable(told));
    QVERIFY(!told.contains(u"URL"));
    fill(form, QStringLiteral("ada@example.org"), QStringLiteral("Two lines,\nplease."));
    QTest::mouseClick(form->sendButton(), Qt::LeftButton);

    QMessageBox *box = nullptr;
    QTRY_VERIFY((box = visibleMessageBox()));
    QCOMPARE(box->text(), result);
    QTRY_VERIFY(!home.manager.feedbackManager().feedbackWindow());
    QCOMPARE(server.requests().size(), serverStatus ? 1 : 0);
    // Whatever kept the message from going or from being put with the sent ones is told, with
    // the folder where it stays.
    QCOMPARE(box->informativeText().contains(home.state(Feedback)), serverStatus != 200 || sentBlocked);
    QCOMPARE(box->informativeText().contains(u"cannot make the folder"), sentBlocked);
    const QStringList kept = home.files(Feedback, folder);
    QCOMPARE(kept.size(), 1);
    QFile file(home.state(Feedback, folder) + u'/' + kept.first());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject message = QJsonDocument::fromJson(file.readAll()).object();
    QCOMPARE(message.value(u"name").toString(), QStringLiteral("Ada"));
    QCOMPARE(message.value(u"email").toString(), QStringLiteral("ada@example.org"));
    QCOMPARE(message.value(u"message").toString(), QStringLiteral("Two lines,\nplease."));
    QCOMPARE(message.value(u"identifier").toString(), ReportingIdentifier);
    box->close();
}

QTEST_MAIN(FeedbackTest)
#include "FeedbackTest.moc"
