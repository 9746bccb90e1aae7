#include "controls/errordisplay.h"
#include "rules/apperror.h"
#include "support/input.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QtTest>

#include <stdexcept>

class TestErrorDisplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void captionIsTheProgramName_data();
    void captionIsTheProgramName();
    void fullStopIsAppendedAfterLaterCharacters_data();
    void fullStopIsAppendedAfterLaterCharacters();
    void guardShowsEveryKindOfError();
    void guardStopsTheChainAtTheFailingStep();
    void realBoxIsModalWithTheStopIcon();
};

void TestErrorDisplay::captionIsTheProgramName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("caption");
    QTest::newRow("plain") << "/usr/bin/corvane"
                           << "corvane";
    QTest::newRow("upper case with extension") << "C:/Games/CORVANE.EXE"
                                               << "Corvane";
    QTest::newRow("up to the first dot") << "/opt/My.Prog.exe"
                                         << "My";
    QTest::newRow("one letter") << "/bin/x"
                                << "x";
    QTest::newRow("first letter keeps its case") << "/bin/TST_Errors"
                                                 << "Tst_errors";
}

void TestErrorDisplay::captionIsTheProgramName()
{
    QFETCH(QString, path);
    QFETCH(QString, caption);
    QCOMPARE(ErrorDisplay::captionFor(path), caption);
}

void TestErrorDisplay::fullStopIsAppendedAfterLaterCharacters_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("text");
    QTest::newRow("japanese") << "ファイル RatingTable.txt は開けません"
                              << "ファイル RatingTable.txt は開けません.";
    QTest::newRow("quote") << "'abc' は整数ではありません"
                           << "'abc' は整数ではありません.";
    QTest::newRow("closing parenthesis") << "(0)"
                                         << "(0)";
    QTest::newRow("already a full stop") << "Done."
                                         << "Done.";
    QTest::newRow("slash sorts after the dot") << "a/"
                                               << "a/.";
    QTest::newRow("exclamation sorts before") << "Stop!"
                                              << "Stop!";
    QTest::newRow("empty") << ""
                           << "";
}

void TestErrorDisplay::fullStopIsAppendedAfterLaterCharacters()
{
    QFETCH(QString, message);
    QFETCH(QString, text);
    QCOMPARE(ErrorDisplay::textFor(message), text);
}

void TestErrorDisplay::guardShowsEveryKindOfError()
{
    QStringList shown;
    ErrorDisplay::setSink([&](const ErrorReport &report) {
        QCOMPARE(report.icon, QMessageBox::Critical);
        QCOMPARE(report.caption, QStringLiteral("tst_errordisplay"));
        shown.append(report.text);
    });
    guarded([] { throw AppError::fileOpen(QStringLiteral("RatingTable.txt")); });
    guarded([] { throw std::runtime_error("out of luck"); });
    guarded([] { throw 42; });
    guarded([] {});
    ErrorDisplay::setSink({});
    QCOMPARE(shown.size(), 3);
    QCOMPARE(shown.at(0), QStringLiteral("ファイル RatingTable.txt は開けません."));
    QCOMPARE(shown.at(1), QStringLiteral("out of luck."));
}

void TestErrorDisplay::guardStopsTheChainAtTheFailingStep()
{
    ErrorDisplay::setSink([](const ErrorReport &) {});
    QStringList steps;
    const auto inner = [&] {
        steps.append(QStringLiteral("inner"));
        throw AppError::notInteger(QString());
    };
    const auto outer = [&] {
        steps.append(QStringLiteral("outer"));
        inner();
        steps.append(QStringLiteral("after inner"));
    };
    guarded(outer);
    guarded([&] { steps.append(QStringLiteral("next entry")); });
    ErrorDisplay::setSink({});
    QCOMPARE(steps, (QStringList{QStringLiteral("outer"), QStringLiteral("inner"), QStringLiteral("next entry")}));
}

void TestErrorDisplay::realBoxIsModalWithTheStopIcon()
{
    QWidget other;
    other.show();
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::WindowModality modality = Qt::NonModal;
    QList<QAbstractButton *> buttons;
    // Reads the box inside its own event loop and presses OK.
    const int result = whileModal<QMessageBox>([] { guarded([] { throw AppError::notInteger(QString()); }); },
                                               [&](QMessageBox *box) {
                                                   caption = box->windowTitle();
                                                   text = box->text();
                                                   icon = box->icon();
                                                   modality = box->windowModality();
                                                   buttons = box->buttons();
                                                   QCOMPARE(box->standardButton(buttons.first()), QMessageBox::Ok);
                                                   buttons.first()->click();
                                               });
    QCOMPARE(result, int(QMessageBox::Ok));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(caption, QStringLiteral("tst_errordisplay"));
    QCOMPARE(text, QStringLiteral("'' は整数ではありません."));
    QCOMPARE(modality, Qt::ApplicationModal);
    QCOMPARE(buttons.size(), 1);
}

QTEST_MAIN(TestErrorDisplay)
#include "tst_errordisplay.moc"
