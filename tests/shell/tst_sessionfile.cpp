#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/radiogroup.h"
#include "controls/spinfield.h"
#include "roster/Unit_Enemy.h"
#include "rules/filereading.h"
#include "rules/rating.h"
#include "sheet/Unit_Friend_States.h"
#include "shell/forms.h"
#include "shell/sessionfile.h"
#include "support/appfixture.h"

#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QtTest>

namespace {

// What a user sees in every control of every window but the dialogs (which
// keep only what was last typed into them), one line per control in the
// order the windows hold them. Labels count too: they show what the
// handlers derive.
QStringList controlStates()
{
    QList<QWidget *> windows;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->windowType() == Qt::Window && !qobject_cast<QDialog *>(w))
            windows.append(w);
    }
    std::sort(windows.begin(), windows.end(),
              [](const QWidget *a, const QWidget *b) { return a->objectName() < b->objectName(); });
    QStringList states;
    for (QWidget *window : windows) {
        for (QWidget *w : window->findChildren<QWidget *>()) {
            QString state;
            if (auto *field = qobject_cast<SpinField *>(w))
                state = field->text();
            else if (auto *box = qobject_cast<ChoiceBox *>(w))
                state = QStringLiteral("%1 #%2 of %3")
                            .arg(box->text())
                            .arg(box->itemIndex())
                            .arg(box->items().join(u'|'));
            else if (auto *button = qobject_cast<QAbstractButton *>(w); button && button->isCheckable())
                state = button->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
            else if (auto *edit = qobject_cast<EditField *>(w))
                state = edit->text();
            else if (auto *label = qobject_cast<QLabel *>(w))
                state = label->text();
            else if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
                state = memo->toPlainText();
            else if (auto *list = qobject_cast<QTreeWidget *>(w))
                for (QTreeWidgetItemIterator row(list); *row; ++row)
                    for (int column = 0; column < list->columnCount(); ++column)
                        state += (*row)->text(column) + u'|';
            else
                continue;
            states.append(QStringLiteral("%1/%2 %3: %4")
                              .arg(window->objectName(), w->objectName(),
                                   w->isVisibleTo(window) ? QString() : QStringLiteral("(hidden)"), state));
        }
    }
    return states;
}

void answer(QMessageBox::StandardButton button, const std::function<void()> &ask)
{
    const int result = whileModal<QMessageBox>(
        ask, [button](QMessageBox *box) { QTest::mouseClick(box->button(button), Qt::LeftButton); });
    QCOMPARE(result, int(button));
}

} // namespace

// An evening kept in a session file and given back to the windows.
class TestSessionFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void evenings();
    void badFilesChangeNothing_data();
    void badFilesChangeNothing();
    void savingSavesWhatIsShown_data();
    void savingSavesWhatIsShown();
};

void TestSessionFile::evenings()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("evening.corvane"));
    QStringList saved;
    {
        AppFixture app;
        typeInto(F_States2->Dex, QStringLiteral("15"));
        typeInto(F_States2->Vit, QStringLiteral("21"));
        typeInto(F_States2->Wil, QStringLiteral("9"));
        // Two Warriors tie at 3, and only the second dodges.
        for (const char *skill : {"Fighter:3:0:1", "Fencer:3:0:0", "Sorcerer:2:1:0", "Scout:4:2:0"})
            QVERIFY(addSkill(QString::fromLatin1(skill)));
        typeInto(F_States2->HP_max, QStringLiteral("30"));
        typeInto(Main->SpinEdit7, QStringLiteral("12"));
        typeInto(Main->SpinEdit9, QStringLiteral("3"));
        typeInto(Main->SpinEdit10, QStringLiteral("-1"));
        typeInto(Main->SpinEdit3, QStringLiteral("11"));
        QTest::mouseClick(Enemy->Party_add, Qt::LeftButton);
        QTest::mouseClick(Enemy->Party_add, Qt::LeftButton);
        // Key clicks carry only Latin-1.
        Enemy->Name[0]->setFieldText(QStringLiteral("ゴブリン"));
        typeInto(Enemy->Name[1], QStringLiteral("Wolf"));
        typeInto(Enemy->Name[2], QStringLiteral("Ogre, the \"big\" one"));
        typeInto(Enemy->HP_max[1], QStringLiteral("40"));
        typeInto(Enemy->Piece[1], QStringLiteral("2"));
        typeInto(Enemy->HP_pst[1], QStringLiteral("33"));
        typeInto(Enemy->Hit_mod[2], QStringLiteral("4"));
        typeInto(Enemy->Ddg_fix[0], QStringLiteral("12"));
        Main->BattleApplyDamage->trigger();
        CurrentSession->setFileChooser([&](SessionFile::Choice) { return path; });
        Main->FileSaveAs->trigger();
        QVERIFY(app.errors().isEmpty());
        saved = controlStates();
    }

    // The next evening starts with the file.
    StartOptions options;
    options.sessionFile = path;
    AppFixture app(
        [](const QDir &folder) { QVERIFY(writeFile(folder.filePath(RatingTableName), AppFixture::sampleTable())); },
        options);
    QVERIFY(app.errors().isEmpty());
    QCOMPARE(controlStates(), saved);
    QVERIFY(Main->BattleApplyDamage->isChecked());
    // A file from before the fight's books were kept opens without them.
    QByteArray older = fileContents(path);
    QVERIFY(writeFile(path, older.replace("\"fightBooks\": true,", "")));

    // Opening over more rows, the other mode, a chosen target and an unsaved
    // change asks first, then rebuilds all of it. No target is chosen then,
    // as at start, and Dice Roll follows as it would by hand.
    clickOn(Main->RadioButton3);
    pickEntry(Main->ComboBox7, 0);
    QTest::mouseClick(Enemy->Party_add, Qt::LeftButton);
    QTest::mouseClick(Enemy->Party_add, Qt::LeftButton);
    clickOn(Main->RadioGroup1->item(OppositionMode::Random));
    QVERIFY(addSkill(QStringLiteral("Sage:5:3:0")));
    CurrentSession->setFileChooser([&](SessionFile::Choice) { return path; });
    answer(QMessageBox::No, [] { Main->FileOpen->trigger(); });
    QVERIFY(!Main->Button1->isEnabled());
    QVERIFY(!Main->BattleApplyDamage->isChecked());
    clickOn(Main->RadioButton1);
    QCOMPARE(controlStates(), saved);
    QTest::mouseClick(Enemy->Party_add, Qt::LeftButton);
    QCOMPARE(Main->ComboBox7->count(), 4);

    // Closing over a change asks too: Cancel keeps the program, Yes saves.
    answer(QMessageBox::Cancel, [] { Main->close(); });
    QVERIFY(Main->isVisible());
    answer(QMessageBox::Yes, [] { Main->close(); });
    QVERIFY(!Main->isVisible());
    QVERIFY(fileContents(path).contains("\"name\": \"Name 4\""));
    QVERIFY(app.errors().isEmpty());
}

void TestSessionFile::badFilesChangeNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    Session session;
    session.skills = {{QStringLiteral("Fighter"), QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("1")}};
    session.enemies = {EnemyEntry()};
    const QByteArray valid = sessionToJson(session);
    const auto changed = [&](const char *from, const char *to) {
        QByteArray bytes = valid;
        return bytes.replace(from, to);
    };
    // A null array stands for a folder.
    QTest::newRow("broken JSON") << QByteArray("{\"format\": \"corvane-session\"\n \"version\": 1}")
                                 << "は読めません: 2 行目が JSON ではありません (unterminated object)";
    QTest::newRow("wrong mark") << changed("corvane-session", "corvane-sheet")
                                << "は読めません: format が \"corvane-session\" ではありません.";
    QTest::newRow("newer version") << changed("\"version\": 1", "\"version\": 2")
                                   << "は読めません: version 2 はこのプログラムより新しい形式です (読めるのは 1 まで)";
    QTest::newRow("wrong kind") << changed("\"presentHp\": \"\"", "\"presentHp\": 12")
                                << "は読めません: presentHp が文字列ではありません.";
    QTest::newRow("critical base below its field's")
        << changed("\"criticalBase\": \"\"", "\"criticalBase\": \"7\"")
        << "は読めません: criticalBase '7' が 8 から 99 までの範囲にありません.";
    QTest::newRow("level no integer") << changed("\"level\": \"3\"", "\"level\": \"3a\"")
                                      << "は読めません: skills[0].level '3a' が整数ではありません.";
    Session noEnemies = session;
    noEnemies.enemies.clear();
    QTest::newRow("no enemy row") << sessionToJson(noEnemies) << "は読めません: enemies が空です.";
    QTest::newRow("2 MiB") << valid + QByteArray(2 * MaxTextFileBytes, ' ') << "は開けません.";
    QTest::newRow("folder") << QByteArray() << "は開けません.";
}

void TestSessionFile::badFilesChangeNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    AppFixture app;
    const QString name = QStringLiteral("bad.corvane");
    QVERIFY(bytes.isNull() ? QDir().mkdir(name) : writeFile(name, bytes));
    const QStringList before = controlStates();

    CurrentSession->setFileChooser([&](SessionFile::Choice) { return name; });
    Main->FileOpen->trigger();
    QCOMPARE(app.errorTexts(), QStringList{QStringLiteral("ファイル %1 %2").arg(name, problem)});
    QCOMPARE(controlStates(), before);
    QCOMPARE(CurrentSession->fileName(), std::nullopt);
}

void TestSessionFile::savingSavesWhatIsShown_data()
{
    // The window in which the user edits a field and, still in it, presses
    // Ctrl+S.
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("saved");
    // The file in use has become a folder since it was last saved.
    QTest::addColumn<bool>("folder");

    QTest::newRow("pieces past the limit in Enemy") << "Enemy"
                                                    << "P0"
                                                    << "150"
                                                    << "99" << QByteArray("\"pieces\": \"99\"") << false;
    QTest::newRow("critical base below the limit in Main") << "Main"
                                                           << "SpinEdit3"
                                                           << "3"
                                                           << "8" << QByteArray("\"criticalBase\": \"8\"") << false;
    QTest::newRow("dexterity as read in States") << "F_States2"
                                                 << "_Dex"
                                                 << "015"
                                                 << "015" << QByteArray("\"dexterity\": \"15\"") << false;
    QTest::newRow("a decimal as read in Enemy") << "Enemy"
                                                << "B0"
                                                << "1.5"
                                                << "1.5" << QByteArray("\"protection\": \"0\"") << false;
    QTest::newRow("file become a folder") << "Enemy"
                                          << "P0"
                                          << "150"
                                          << "99" << QByteArray() << true;
}

void TestSessionFile::savingSavesWhatIsShown()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QByteArray, saved);
    QFETCH(bool, folder);
    AppFixture app;
    const QString name = QStringLiteral("evening.corvane");
    CurrentSession->setFileChooser([&](SessionFile::Choice) { return name; });
    Main->FileSaveAs->trigger();
    QVERIFY(app.errors().isEmpty());
    const QDir here;
    if (folder) {
        QVERIFY(QFile::remove(name) && here.mkdir(name));
        QVERIFY(writeFile(here.filePath(name + QStringLiteral("/kept.txt")), "kept"));
    }
    const QStringList entries = here.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    QWidget *editing = form(window);
    QVERIFY(editing);
    auto *spin = editing->findChild<SpinField *>(field);
    QVERIFY(spin);
    editing->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editing));
    spin->setFocus();
    typeInto(spin, typed);
    QTest::keyClick(spin->editor(), Qt::Key_S, Qt::ControlModifier);

    // The edit ends as leaving the field would end it, and the field stays
    // in the user's hands.
    QCOMPARE(spin->text(), shown);
    QCOMPARE(focusedControl(), static_cast<QWidget *>(spin));
    if (folder) {
        QCOMPARE(app.errorTexts(), QStringList{QStringLiteral("ファイル %1 に書き込めません.").arg(name)});
        QCOMPARE(fileContents(here.filePath(name + QStringLiteral("/kept.txt"))), QByteArray("kept"));
        QCOMPARE(here.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), entries);
        return;
    }
    QVERIFY(app.errors().isEmpty());
    QVERIFY(fileContents(name).contains(saved));
    // Whatever was typed, what is saved opens again.
    Main->FileOpen->trigger();
    QVERIFY(app.errors().isEmpty());
    // The file holds what the windows show: closing asks nothing.
    QCOMPARE(whileModal<QMessageBox>([] { Main->close(); }, [](QMessageBox *box) { box->reject(); }), NeverShown);
    QVERIFY(!Main->isVisible());
}

QTEST_MAIN(TestSessionFile)
#include "tst_sessionfile.moc"
