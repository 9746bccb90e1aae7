#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/linklabel.h"
#include "controls/logmemo.h"
#include "controls/spinfield.h"
#include "shell/Unit_About.h"
#include "shell/forms.h"
#include "support/appfixture.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <functional>
#include <memory>

// Stands in for the desktop's browser.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

namespace {

int viaAction(const std::function<void(TAboutBox *)> &inside)
{
    return whileModal<TAboutBox>([] { Main->ViewAbout->trigger(); }, inside);
}

void pressOk(TAboutBox *box)
{
    QTest::mouseClick(box->OKButton, Qt::LeftButton);
}

// Everything the user can see or set in the main window.
QStringList consoleState()
{
    QStringList state;
    for (const ChoiceBox *box : Main->findChildren<ChoiceBox *>())
        state << box->objectName() + u'=' + box->text() + u'#' + QString::number(box->itemIndex());
    for (const SpinField *field : Main->findChildren<SpinField *>())
        state << field->objectName() + u'=' + field->text();
    for (const QAbstractButton *button : Main->findChildren<QAbstractButton *>())
        state << button->objectName() + u'=' + QString::number(button->isChecked())
                + QString::number(button->isEnabled());
    state << Main->Memo1->toPlainText();
    return state;
}

} // namespace

class TestAboutBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_app = std::make_unique<AppFixture>();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_catcher, "open");
        m_catcher.opened.clear();
    }
    void cleanup()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        m_app.reset();
    }

    void helpMenuShowsTheBoxModally();
    void boxIsAFixedCentredDialog();
    void linksLookLikeLinks();
    void clickedLinkOpensAndTurnsPurple_data();
    void clickedLinkOpensAndTurnsPurple();
    void closingChangesNothing_data();
    void closingChangesNothing();

private:
    std::unique_ptr<AppFixture> m_app;
    UrlCatcher m_catcher;
};

void TestAboutBox::helpMenuShowsTheBoxModally()
{
    QVERIFY(!AboutBox->isVisible());
    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main));

    bool mainWaited = true;
    const int result = whileModal<TAboutBox>(
        [] {
            QMenuBar *bar = Main->menuBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(Main->Help1->menuAction()).center());
            QVERIFY(Main->Help1->isVisible());
            QTest::mouseClick(Main->Help1, Qt::LeftButton, {}, Main->Help1->actionGeometry(Main->ViewAbout).center());
        },
        [&](TAboutBox *box) {
            QVERIFY(box->isModal());
            QVERIFY(box->isVisible());
            mainWaited = QApplication::activeModalWidget() == box;
            pressOk(box);
        });
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(mainWaited);
    QVERIFY(!AboutBox->isVisible());
    QVERIFY(m_app->errors().isEmpty());
}

void TestAboutBox::boxIsAFixedCentredDialog()
{
    const int result = viaAction([](TAboutBox *box) {
        QCOMPARE(box->windowTitle(), QStringLiteral("バージョン情報"));
        QCOMPARE(box->size(), QSize(298, 213));
        QCOMPARE(box->minimumSize(), QSize(298, 213));
        QCOMPARE(box->maximumSize(), QSize(298, 213));
        QCOMPARE(box->frameGeometry().center(), box->screen()->geometry().center());

        QCOMPARE(box->Panel1->geometry(), QRect(8, 8, 281, 161));
        QCOMPARE(box->ProgramIcon->geometry(), QRect(8, 8, 65, 57));
        QVERIFY(!box->ProgramIcon->pixmap().isNull());
        QCOMPARE(box->ProductName->text(), QStringLiteral("Corvane for Tesselwyn 2.0"));
        QCOMPARE(box->ProductName->pos(), QPoint(80, 16));
        QCOMPARE(box->Version->text(), QStringLiteral("Version 2009/06/18"));
        // The version may sit further left if the font makes it wider.
        QCOMPARE(box->Version->y(), 40);
        QVERIFY(box->Version->x() <= 168);
        QCOMPARE(box->Copyright->pos(), QPoint(8, 72));
        QCOMPARE(box->Comments->pos(), QPoint(8, 120));
        // Every caption fits inside the panel.
        for (const QLabel *label : box->Panel1->findChildren<QLabel *>())
            QVERIFY2(box->Panel1->contentsRect().contains(label->geometry()), qPrintable(label->objectName()));

        QCOMPARE(box->OKButton->geometry(), QRect(111, 180, 75, 25));
        QCOMPARE(box->OKButton->text(), QStringLiteral("OK"));
        QVERIFY(box->OKButton->isDefault());

        // Enter presses OK.
        QTest::keyClick(box, Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(!AboutBox->isVisible());
}

void TestAboutBox::linksLookLikeLinks()
{
    QCOMPARE(viaAction([](TAboutBox *box) {
                 for (LinkLabel *link : {box->URL_Tool, box->URL_System}) {
                     const QString name = link->objectName();
                     QVERIFY2(link->isVisible(), qPrintable(name));
                     QCOMPARE(link->color(), QColor(0, 0, 255));
                     QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
                     QVERIFY2(link->font().underline(), qPrintable(name));
                     QCOMPARE(link->font().family(), box->font().family());
                     QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
                     QVERIFY2(QUrl(link->text(), QUrl::StrictMode).isValid(), qPrintable(link->text()));
                     QCOMPARE(QUrl(link->text()).scheme(), QStringLiteral("https"));
                 }
                 QCOMPARE(box->URL_Tool->pos(), QPoint(100, 88));
                 QCOMPARE(box->URL_System->pos(), QPoint(136, 136));
                 QVERIFY(box->URL_Tool->text() != box->URL_System->text());
                 pressOk(box);
             }),
             int(QDialog::Accepted));
}

void TestAboutBox::clickedLinkOpensAndTurnsPurple_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("other");
    QTest::newRow("home page") << "URL_Tool"
                               << "URL_System";
    QTest::newRow("publisher") << "URL_System"
                               << "URL_Tool";
}

void TestAboutBox::clickedLinkOpensAndTurnsPurple()
{
    QFETCH(QString, clicked);
    QFETCH(QString, other);
    const QColor blue(0, 0, 255);
    const QColor purple(128, 0, 128);

    QString address;
    QCOMPARE(viaAction([&](TAboutBox *box) {
                 auto *link = box->findChild<LinkLabel *>(clicked);
                 QVERIFY(link);
                 address = link->text();
                 QTest::mouseClick(link, Qt::LeftButton);
                 QCOMPARE(link->color(), purple);
                 QCOMPARE(box->findChild<LinkLabel *>(other)->color(), blue);
                 // The box stays open after the click.
                 QVERIFY(box->isVisible());
                 pressOk(box);
             }),
             int(QDialog::Accepted));
    QCOMPARE(m_catcher.opened, QList<QUrl>{QUrl(address)});

    // The colours outlive the showing.
    QCOMPARE(viaAction([&](TAboutBox *box) {
                 QCOMPARE(box->findChild<LinkLabel *>(clicked)->color(), purple);
                 QCOMPARE(box->findChild<LinkLabel *>(other)->color(), blue);
                 box->close();
             }),
             int(QDialog::Rejected));
    QCOMPARE(m_catcher.opened.size(), 1);
    QVERIFY(m_app->errors().isEmpty());
}

void TestAboutBox::closingChangesNothing_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << 0 << int(QDialog::Accepted);
    QTest::newRow("Enter") << 1 << int(QDialog::Accepted);
    QTest::newRow("frame") << 2 << int(QDialog::Rejected);
}

void TestAboutBox::closingChangesNothing()
{
    QFETCH(int, way);
    QFETCH(int, result);

    // Something of the user's in the console first.
    pickEntry(Main->ComboBox4, 1);
    typeInto(Main->SpinEdit2, QStringLiteral("3"));
    Main->Memo1->appendLine(QStringLiteral("note"));
    const QStringList before = consoleState();

    QCOMPARE(viaAction([way](TAboutBox *box) {
                 switch (way) {
                 case 0:
                     pressOk(box);
                     break;
                 case 1:
                     QTest::keyClick(box, Qt::Key_Return);
                     break;
                 default:
                     box->close();
                     break;
                 }
             }),
             result);
    QVERIFY(!AboutBox->isVisible());
    QCOMPARE(consoleState(), before);
    QVERIFY(m_catcher.opened.isEmpty());
    QVERIFY(m_app->errors().isEmpty());
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
