#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/spinfield.h"
#include "roster/Unit_Enemy.h"
#include "sheet/Unit_Friend_States.h"
#include "sheet/Unit_Skill.h"
#include "shell/Unit_About.h"
#include "shell/forms.h"
#include "support/appfixture.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// Which top-level windows were shown, in order, and what the program looked
// like at that moment.
class ShowRecorder : public QObject
{
public:
    struct Showing
    {
        QString window;
        bool mainVisible;
        bool skillBoxExists;
        bool enemyExists;
    };

    ShowRecorder() { qApp->installEventFilter(this); }
    ~ShowRecorder() override { qApp->removeEventFilter(this); }

    QList<Showing> showings;

    [[nodiscard]] QStringList windows() const
    {
        QStringList names;
        for (const Showing &s : showings)
            names.append(s.window);
        return names;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !event->spontaneous() && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow())
            showings.append({watched->objectName(), Main && Main->isVisible(), SkillBox != nullptr, Enemy != nullptr});
        return false;
    }
};

} // namespace

// The start-up order, the windows' lifetimes and the end of the program.
class TestStartUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // As in the program: only the main window's close ends the event loop.
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { m_app.reset(); }

    void windowsAreCreatedAndShownInOrder();
    void windowsArePlacedAndCaptioned_data();
    void windowsArePlacedAndCaptioned();
    void missingRatingTableStillStartsEverything();
    void skillsCanBeAddedAfterAFailedLoad();
    void closedStatisticsWindowIsStillRead();
    void closedEnemyWindowIsStillRead();
    void viewMenuBringsAClosedWindowBack_data();
    void viewMenuBringsAClosedWindowBack();
    void closingMainEndsTheProgramAndReleasesItsData();

private:
    AppFixture &start(const std::optional<QByteArray> &table = AppFixture::sampleTable())
    {
        m_app = std::make_unique<AppFixture>(table);
        return *m_app;
    }

    std::unique_ptr<AppFixture> m_app;
};

void TestStartUp::windowsAreCreatedAndShownInOrder()
{
    ShowRecorder recorder;
    AppFixture &app = start();

    QVERIFY(Main && AboutBox && F_States2 && SkillBox && Enemy);
    QVERIFY(app.errors().isEmpty());
    QCOMPARE(app.dice().seedings(), 1);

    // The statistics and enemy windows appear as they are created, the main
    // window only afterwards; the skill dialog does not exist yet when the
    // statistics window shows.
    QCOMPARE(recorder.windows(),
             (QStringList{QStringLiteral("F_States2"), QStringLiteral("Enemy"), QStringLiteral("Main")}));
    const ShowRecorder::Showing &states = recorder.showings[0];
    QVERIFY(!states.mainVisible);
    QVERIFY(!states.skillBoxExists);
    QVERIFY(!states.enemyExists);
    const ShowRecorder::Showing &enemy = recorder.showings[1];
    QVERIFY(!enemy.mainVisible);
    QVERIFY(enemy.skillBoxExists);
    QVERIFY(enemy.enemyExists);

    // Each creation handler has run: the check types, the ability bonuses
    // (14 each, bonus 2) and the first enemy row.
    QCOMPARE(Main->ComboBox1->count(), 8);
    QCOMPARE(Main->ComboBox4->count(), 3);
    for (qint32 bonus : Main->AbilityBonus)
        QCOMPARE(bonus, 2);
    QCOMPARE(Enemy->RowCount, 1);
    QCOMPARE(Main->ComboBox7->items(), QStringList{QStringLiteral("Name 1")});
    QCOMPARE(Main->ComboBox7->itemIndex(), -1);
}

void TestStartUp::windowsArePlacedAndCaptioned_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<int>("clientWidth");
    QTest::addColumn<int>("clientHeight");
    QTest::addColumn<bool>("visible");

    // Outer sizes less the frame and caption; the main window's height holds
    // its menu bar too, and the about box is placed when it is shown.
    QTest::newRow("Main") << "Main" << QPoint(192, 107) << 688 << -1 << true;
    QTest::newRow("AboutBox") << "バージョン情報" << QPoint(-1, -1) << 298 << 213 << false;
    QTest::newRow("F_States2") << "States" << QPoint(169, 107) << 313 << 453 << true;
    QTest::newRow("SkillBox") << "SkillBox" << QPoint(192, 107) << 265 << 241 << false;
    QTest::newRow("Enemy") << "Enemy" << QPoint(192, 587) << 688 << 73 << true;
}

void TestStartUp::windowsArePlacedAndCaptioned()
{
    QFETCH(QString, caption);
    QFETCH(QPoint, position);
    QFETCH(int, clientWidth);
    QFETCH(int, clientHeight);
    QFETCH(bool, visible);
    start();

    QWidget *window = form(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(window);
    QVERIFY(window->isWindow());
    QCOMPARE(window->objectName(), QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(window->windowTitle(), caption);
    if (position.x() >= 0)
        QCOMPARE(window->pos(), position);
    QCOMPARE(window->width(), clientWidth);
    if (clientHeight >= 0)
        QCOMPARE(window->height(), clientHeight);
    QCOMPARE(window->isVisible(), visible);
}

void TestStartUp::missingRatingTableStillStartsEverything()
{
    ShowRecorder recorder;
    AppFixture &app = start(std::nullopt);

    QCOMPARE(app.errorTexts(), QStringList{QStringLiteral("ファイル RatingTable.txt は開けません.")});
    QCOMPARE(app.errors().first().icon, QMessageBox::Critical);
    QCOMPARE(recorder.windows(),
             (QStringList{QStringLiteral("F_States2"), QStringLiteral("Enemy"), QStringLiteral("Main")}));
    QVERIFY(Main->isVisible() && F_States2->isVisible() && Enemy->isVisible());
    QCOMPARE(app.dice().seedings(), 1);

    // The main window's handler stopped at the load, after the check types;
    // the later windows' handlers all ran.
    QCOMPARE(Main->ComboBox1->count(), 8);
    QCOMPARE(Main->ComboBox1->text(), QStringLiteral("汎用"));
    QCOMPARE(Main->ComboBox4->count(), 0);
    QCOMPARE(Main->ratingTable().count(), 0);
    QVERIFY(AboutBox && SkillBox);
    for (qint32 bonus : Main->AbilityBonus)
        QCOMPARE(bonus, 2);
    QCOMPARE(F_States2->HP_max->value(), 14);
    QCOMPARE(Main->ComboBox7->items(), QStringList{QStringLiteral("Name 1")});
}

void TestStartUp::skillsCanBeAddedAfterAFailedLoad()
{
    AppFixture &app = start(std::nullopt);
    app.takeErrors();

    QVERIFY(addSkill(QStringLiteral("Sorcerer:0:0:0")));
    QVERIFY(app.errors().isEmpty());
    const QStringList choices = {QStringLiteral("(none)"), QStringLiteral("冒険者"), QStringLiteral("Sorcerer")};
    QCOMPARE(Main->SkillChoices, choices);
    QCOMPARE(Main->ComboBox2->items(), choices);
    QCOMPARE(Main->ComboBox6->items(), choices);
}

void TestStartUp::closedStatisticsWindowIsStillRead()
{
    start();
    QPointer<TF_States2> states = F_States2;
    QVERIFY(states->close());
    QVERIFY(states);
    QVERIFY(!states->isVisible());
    QVERIFY(Main->isVisible());

    // Reset copies the hidden window's maximum HP and MP.
    states->HP_max->setValue(23);
    states->MP_max->setValue(31);
    Main->SpinEdit7->setValue(1);
    Main->SpinEdit8->setValue(2);
    QTest::mouseClick(Main->Button4, Qt::LeftButton);
    QCOMPARE(Main->SpinEdit7->value(), 23);
    QCOMPARE(Main->SpinEdit8->value(), 31);
    QVERIFY(!states->isVisible());
}

void TestStartUp::closedEnemyWindowIsStillRead()
{
    start();
    QPointer<TEnemy> enemy = Enemy;
    QVERIFY(enemy->close());
    QVERIFY(enemy);
    QVERIFY(!enemy->isVisible());
    QCOMPARE(enemy->RowCount, 1);

    // Reset still reaches the hidden row: its present HP returns to its
    // maximum, which the pieces raise by 5 each.
    enemy->HP_max[0]->setValue(25);
    enemy->Piece[0]->setValue(1);
    enemy->HP_pst[0]->setValue(3);
    QTest::mouseClick(Main->Button4, Qt::LeftButton);
    QCOMPARE(enemy->HP_pst[0]->value(), 30);
    QCOMPARE(Main->ComboBox7->items(), QStringList{QStringLiteral("Name 1")});
    QVERIFY(!enemy->isVisible());
}

void TestStartUp::viewMenuBringsAClosedWindowBack_data()
{
    QTest::addColumn<QString>("window");
    // The window the user works in, where the key is pressed; none for a
    // click on the menu.
    QTest::addColumn<QString>("keyIn");
    QTest::addColumn<int>("key");

    QTest::newRow("States from the menu") << "F_States2" << QString() << 0;
    QTest::newRow("Enemy by Ctrl+2 in States") << "Enemy"
                                               << "F_States2" << int(Qt::Key_2);
    QTest::newRow("States by Ctrl+1 in Enemy") << "F_States2"
                                               << "Enemy" << int(Qt::Key_1);
}

void TestStartUp::viewMenuBringsAClosedWindowBack()
{
    QFETCH(QString, window);
    QFETCH(QString, keyIn);
    QFETCH(int, key);
    AppFixture &app = start();
    QWidget *closed = form(window);
    const QPoint placed = closed->pos();
    QVERIFY(closed->close());
    QVERIFY(!closed->isVisible());

    if (keyIn.isEmpty()) {
        Main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Main));
        QMenuBar *bar = Main->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(Main->View1->menuAction()).center());
        QVERIFY(Main->View1->isVisible());
        QTest::mouseClick(Main->View1, Qt::LeftButton, {}, Main->View1->actionGeometry(Main->ViewStates).center());
    } else {
        QWidget *working = form(keyIn);
        working->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(working));
        QTest::keyClick(working, Qt::Key(key), Qt::ControlModifier);
    }
    QVERIFY(closed->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(closed));
    QCOMPARE(closed->pos(), placed);
    QVERIFY(app.errors().isEmpty());
}

void TestStartUp::closingMainEndsTheProgramAndReleasesItsData()
{
    AppFixture &app = start();
    QVERIFY(addSkill(QStringLiteral("Fighter:0:0:0")));
    QCOMPARE(Main->ratingTable().count(), 3);
    QVERIFY(!Main->SkillChoices.isEmpty());
    QVERIFY(F_States2->isVisible() && Enemy->isVisible());

    // Only a guard against hanging: the loop must end through the main
    // window's close, with status 0.
    bool gaveUp = false;
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, [&] {
        gaveUp = true;
        QCoreApplication::exit(1);
    });
    guard.start(5000);
    QTimer::singleShot(0, Main, &QWidget::close);
    const int status = QCoreApplication::exec();
    guard.stop();

    QVERIFY(!gaveUp);
    QCOMPARE(status, 0);
    QVERIFY(!Main->isVisible());
    QCOMPARE(Main->ratingTable().count(), 0);
    QVERIFY(Main->SkillChoices.isEmpty());
    QVERIFY(app.errors().isEmpty());
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
