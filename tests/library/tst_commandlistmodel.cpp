// The command list: templates and a model's commands in the saved order,
// the search, dragging, template editing and the captions' language.
#include "library/commandlistmodel.h"
#include "settings/languagemanager.h"
#include "settings/settingsstore.h"
#include "support/testsupport.h"

#include <QAbstractItemModelTester>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// Model A (text, three commands), model B (JSON, two commands, one of them
// without an id and so kept under its Chinese name).
const QByteArray kLibrary = R"({"version":"t","models":[
  {"id":"A","commands":[
    {"id":"a1","name":{"zh":"连接测试","en":"Check connection"},"cmd":"AT"},
    {"id":"a2","name":{"zh":"设置间隔","en":"Set interval"},"cmd":"AT+INTERVAL=<sec>",
     "params":[{"key":"sec","default":"60"}]},
    {"id":"a3","name":{"zh":"复位","en":"Restart"},"cmd":"AT+RST"}]},
  {"id":"B","protocol":"json","commands":[
    {"id":"b1","name":{"zh":"读取数据","en":"Read data"},"payloadBase64":"eyJjb21tYW5kIjoiUmVhZERhdGEifQ==",
     "params":[{"key":"x"}]},
    {"name":{"zh":"无编号","en":"No id"},"payloadBase64":"e30="}]}]})";

QStringList names(const CommandListModel& model)
{
    QStringList list;
    for (int row = 0; row < model.rowCount(); ++row) {
        list << model.index(row).data(CommandListModel::NameRole).toString();
    }
    return list;
}

void storeTemplates(const QList<CustomCommandTemplate>& templates)
{
    SettingsStore().setCustomTemplates(templates);
}

} // namespace

class TestCommandListModel : public QObject
{
    Q_OBJECT

private:
    DeviceLibrary m_library;
    SettingsStore m_settings;

    std::unique_ptr<CommandListModel> make(const QString& modelId = QStringLiteral("A"))
    {
        auto model = std::make_unique<CommandListModel>(&m_library, &m_settings);
        model->setModelId(modelId);
        return model;
    }

private slots:
    void initTestCase()
    {
        korveltest::isolateSettings();
        LanguageManager::instance().setLanguage(QStringLiteral("en"));
        QVERIFY(m_library.loadFromJsonText(kLibrary));
    }

    void init()
    {
        QSettings().clear();
        LanguageManager::instance().setLanguage(QStringLiteral("en"));
    }

    void rolesOfEachKindOfRow()
    {
        storeTemplates({{"t1", "Ping", "PING"}});
        auto model = make(QStringLiteral("B"));
        QAbstractItemModelTester tester(model.get());
        QCOMPARE(model->rowCount(), 3);
        const QModelIndex custom = model->index(0);
        QCOMPARE(custom.data(CommandListModel::NameRole).toString(), QStringLiteral("Ping"));
        QCOMPARE(custom.data(CommandListModel::CmdRole).toString(), QStringLiteral("PING"));
        QCOMPARE(custom.data(CommandListModel::HasParamsRole).toBool(), false);
        QCOMPARE(custom.data(CommandListModel::IsCustomRole).toBool(), true);
        // A JSON command shows its payload and never asks for parameters.
        const QModelIndex json = model->index(1);
        QCOMPARE(json.data(CommandListModel::CmdRole).toString(),
                 QStringLiteral(R"({"command":"ReadData"})"));
        QCOMPARE(json.data(CommandListModel::HasParamsRole).toBool(), false);
        QCOMPARE(json.data(CommandListModel::IsCustomRole).toBool(), false);
        QVERIFY(!json.data(Qt::DisplayRole).isValid());

        model->setModelId(QStringLiteral("A"));
        QCOMPARE(model->index(2).data(CommandListModel::HasParamsRole).toBool(), true);
        QCOMPARE(model->index(1).data(CommandListModel::HasParamsRole).toBool(), false);
        QCOMPARE(model->roleNames().value(CommandListModel::NameRole), QByteArray("name"));
        QCOMPARE(int(CommandListModel::NameRole), 257);
        QCOMPARE(int(CommandListModel::IsCustomRole), 260);
        QCOMPARE(model->commandAt(4), nullptr);
        QCOMPARE(model->commandAt(-1), nullptr);
    }

    void savedOrder_data()
    {
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QString>("modelId");
        QTest::addColumn<QStringList>("expected");
        const QStringList unordered{"First", "Second", "Check connection", "Set interval",
                                    "Restart"};
        QTest::newRow("no saved order: templates, then the library")
            << QStringList{} << "A" << unordered;
        QTest::newRow("full order")
            << QStringList{"a3", "t2", "a1", "t1", "a2"} << "A"
            << QStringList{"Restart", "Second", "Check connection", "First", "Set interval"};
        QTest::newRow("remembered rows first, the rest keep their order")
            << QStringList{"a2", "gone", "t2"} << "A"
            << QStringList{"Set interval", "Second", "First", "Check connection", "Restart"};
        QTest::newRow("a repeated key: the later place wins")
            << QStringList{"a3", "t1", "a3"} << "A"
            << QStringList{"First", "Restart", "Second", "Check connection", "Set interval"};
        QTest::newRow("another model's commands come after remembered rows")
            << QStringList{"a3", "t2", "a1"} << "B"
            << QStringList{"Second", "First", "Read data", "No id"};
        QTest::newRow("a row without id is kept under its Chinese name")
            << QStringList{"无编号", "b1"} << "B"
            << QStringList{"No id", "Read data", "First", "Second"};
    }

    void savedOrder()
    {
        QFETCH(QStringList, order);
        QFETCH(QString, modelId);
        QFETCH(QStringList, expected);
        storeTemplates({{"t1", "First", "ONE"}, {"t2", "Second", "TWO"}});
        m_settings.setCommandOrder(order);
        auto model = make(modelId);
        QCOMPARE(names(*model), expected);
    }

    void dragIsSavedAndRestored()
    {
        storeTemplates({{"t1", "First", "ONE"}});
        auto model = make();
        QAbstractItemModelTester tester(model.get());
        QSignalSpy moved(model.get(), &QAbstractItemModel::rowsMoved);
        QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);

        model->moveRow(3, 0);
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.at(0).at(1).toInt(), 3);
        QCOMPARE(moved.at(0).at(4).toInt(), 0);
        QCOMPARE(reset.count(), 0);
        const QStringList dragged{"Restart", "First", "Check connection", "Set interval"};
        QCOMPARE(names(*model), dragged);
        QCOMPARE(m_settings.commandOrder(), (QStringList{"a3", "t1", "a1", "a2"}));

        // Downwards: the row lands at the target and the rows between move up.
        model->moveRow(0, 2);
        QCOMPARE(moved.at(1).at(4).toInt(), 3);
        QCOMPARE(names(*model),
                 (QStringList{"First", "Check connection", "Restart", "Set interval"}));

        // A fresh model, as after a restart, shows the same order.
        auto again = make();
        QCOMPARE(names(*again), names(*model));
    }

    void movesThatChangeNothing_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("same row") << 2 << 2;
        QTest::newRow("from before the first") << -1 << 0;
        QTest::newRow("to the row count") << 0 << 3;
        QTest::newRow("from the row count") << 3 << 0;
        QTest::newRow("to before the first") << 1 << -1;
    }

    void movesThatChangeNothing()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        auto model = make();
        QSignalSpy moved(model.get(), &QAbstractItemModel::rowsMoved);
        model->moveRow(from, to);
        QCOMPARE(moved.count(), 0);
        QVERIFY(!QSettings().contains(QStringLiteral("send/commandOrder")));
        QCOMPARE(names(*model), (QStringList{"Check connection", "Set interval", "Restart"}));
    }

    void dragWhileFilteredForgetsHiddenRows()
    {
        auto model = make();
        model->moveRow(2, 0); // Restart, Check connection, Set interval
        model->setSearchText(QStringLiteral("at+"));
        QCOMPARE(names(*model), (QStringList{"Restart", "Set interval"}));
        model->moveRow(1, 0);
        QCOMPARE(m_settings.commandOrder(), (QStringList{"a2", "a3"}));
        model->setSearchText(QString());
        QCOMPARE(names(*model), (QStringList{"Set interval", "Restart", "Check connection"}));
    }

    void newTemplatePlacement()
    {
        auto model = make();
        // Before any drag: after the other templates, before the library.
        model->addCustomTemplate(QStringLiteral("One"), QStringLiteral("1"));
        model->addCustomTemplate(QStringLiteral("Two"), QStringLiteral("2"));
        QCOMPARE(names(*model),
                 (QStringList{"One", "Two", "Check connection", "Set interval", "Restart"}));
        // After a drag its key is not in the saved order: it goes last.
        model->moveRow(4, 0);
        model->addCustomTemplate(QStringLiteral("Three"), QStringLiteral("3"));
        QCOMPARE(names(*model).constLast(), QStringLiteral("Three"));
        QCOMPARE(names(*model).constFirst(), QStringLiteral("Restart"));
    }

    void search_data()
    {
        QTest::addColumn<QString>("modelId");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("empty shows all")
            << "A"
            << "" << QStringList{"Tpl", "Check connection", "Set interval", "Restart"};
        QTest::newRow("English name, any case") << "A"
                                                << "RESTART" << QStringList{"Restart"};
        QTest::newRow("blanks around are ignored") << "A"
                                                   << "  restart \t" << QStringList{"Restart"};
        QTest::newRow("Chinese name") << "A"
                                      << "间隔" << QStringList{"Set interval"};
        QTest::newRow("command text") << "A"
                                      << "interval=" << QStringList{"Set interval"};
        QTest::newRow("template content") << "A"
                                          << "reboot" << QStringList{"Tpl"};
        QTest::newRow("both kinds")
            << "A"
            << "t" << QStringList{"Tpl", "Check connection", "Set interval", "Restart"};
        QTest::newRow("not the id") << "A"
                                    << "a2" << QStringList{};
        QTest::newRow("not a JSON payload") << "B"
                                            << "ReadData" << QStringList{};
        QTest::newRow("no match") << "A"
                                  << "zzz" << QStringList{};
    }

    void search()
    {
        QFETCH(QString, modelId);
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        storeTemplates({{"t1", "Tpl", "REBOOT NOW"}});
        auto model = make(modelId);
        QAbstractItemModelTester tester(model.get());
        QSignalSpy changed(model.get(), &CommandListModel::searchChanged);
        model->setSearchText(text);
        QCOMPARE(changed.count(), text.isEmpty() ? 0 : 1);
        QCOMPARE(model->searchText(), text);
        QCOMPARE(names(*model), expected);

        // The same text again changes nothing.
        QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
        model->setSearchText(text);
        QCOMPARE(changed.count(), text.isEmpty() ? 0 : 1);
        QCOMPARE(reset.count(), 0);
    }

    void builtInLibraryFindsWifi_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rows");
        QTest::newRow("wifi") << "wifi" << 1;
        QTest::newRow("WiFi with blanks") << "  WiFi  " << 1;
        QTest::newRow("word only in a payload") << "ReadData" << 0;
    }

    void builtInLibraryFindsWifi()
    {
        QFETCH(QString, text);
        QFETCH(int, rows);
        DeviceLibrary builtIn;
        QVERIFY(builtIn.loadFromResource(QStringLiteral(":/data/devices.json")));
        CommandListModel model(&builtIn, &m_settings);
        model.setModelId(QStringLiteral("HX4"));
        model.setSearchText(text);
        QCOMPARE(model.rowCount(), rows);
        if (rows == 1) {
            QCOMPARE(names(model), QStringList{"Set WiFi"});
        }
    }

    void switchingModelClearsTheSearch()
    {
        auto model = make();
        model->setSearchText(QStringLiteral("restart"));
        QSignalSpy changed(model.get(), &CommandListModel::searchChanged);
        model->setModelId(QStringLiteral("B"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(model->searchText(), QString());
        QCOMPARE(names(*model), (QStringList{"Read data", "No id"}));

        // The same id again: the search text stays.
        model->setSearchText(QStringLiteral("read"));
        model->setModelId(QStringLiteral("B"));
        QCOMPARE(model->searchText(), QStringLiteral("read"));
        QCOMPARE(changed.count(), 2);

        // An id that is not in the library lists the first model.
        model->setModelId(QStringLiteral("nope"));
        QCOMPARE(names(*model), (QStringList{"Check connection", "Set interval", "Restart"}));
    }

    void addedTemplatesAreTrimmedWithBracelessIds()
    {
        auto model = make();
        // The template editor asks the same before it offers to save.
        QVERIFY(model->canSaveTemplate(QStringLiteral("  Reset device \n"),
                                       QStringLiteral("\tAT+RST  ")));
        model->addCustomTemplate(QStringLiteral("  Reset device \n"), QStringLiteral("\tAT+RST  "));
        const QList<CustomCommandTemplate> stored = m_settings.customTemplates();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored.at(0).name, QStringLiteral("Reset device"));
        QCOMPARE(stored.at(0).content, QStringLiteral("AT+RST"));
        const QRegularExpression uuid(
            QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));
        QVERIFY2(uuid.match(stored.at(0).id).hasMatch(), qPrintable(stored.at(0).id));
        QCOMPARE(model->commandAt(0)->id, stored.at(0).id);

        model->addCustomTemplate(QStringLiteral("Again"), QStringLiteral("AT+RST"));
        QVERIFY(m_settings.customTemplates().at(1).id != stored.at(0).id);
    }

    void blankTemplatesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("content");
        QTest::newRow("blank name") << "  "
                                    << "AT";
        QTest::newRow("empty name") << ""
                                    << "AT";
        QTest::newRow("blank content") << "Name"
                                       << " \n\t";
        QTest::newRow("both empty") << ""
                                    << "";
        QTest::newRow("no-break spaces") << "Name"
                                         << "\u00a0\u3000";
    }

    void blankTemplatesAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, content);
        storeTemplates({{"t1", "Keep", "K"}});
        auto model = make();
        QVERIFY(!model->canSaveTemplate(name, content));
        QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
        model->addCustomTemplate(name, content);
        model->updateCustomTemplate(0, name, content);
        QCOMPARE(reset.count(), 0);
        QCOMPARE(m_settings.customTemplates(), (QList<CustomCommandTemplate>{{"t1", "Keep", "K"}}));
    }

    void updateAndRemoveTemplates()
    {
        storeTemplates({{"t1", "One", "1"}, {"t2", "Two", "2"}});
        auto model = make();
        QAbstractItemModelTester tester(model.get());
        model->updateCustomTemplate(1, QStringLiteral(" Deux "), QStringLiteral(" 2b "));
        QCOMPARE(m_settings.customTemplates(),
                 (QList<CustomCommandTemplate>{{"t1", "One", "1"}, {"t2", "Deux", "2b"}}));
        QCOMPARE(model->index(1).data(CommandListModel::CmdRole).toString(), QStringLiteral("2b"));

        model->removeCustomTemplate(0);
        QCOMPARE(m_settings.customTemplates(),
                 (QList<CustomCommandTemplate>{{"t2", "Deux", "2b"}}));
        QCOMPARE(names(*model),
                 (QStringList{"Deux", "Check connection", "Set interval", "Restart"}));
    }

    void libraryRowsAreNotTemplates_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("library command") << 1;
        QTest::newRow("after the last row") << 4;
        QTest::newRow("negative") << -1;
    }

    void libraryRowsAreNotTemplates()
    {
        QFETCH(int, row);
        storeTemplates({{"t1", "One", "1"}});
        auto model = make();
        QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
        model->updateCustomTemplate(row, QStringLiteral("X"), QStringLiteral("Y"));
        model->removeCustomTemplate(row);
        QCOMPARE(reset.count(), 0);
        QCOMPARE(m_settings.customTemplates(), (QList<CustomCommandTemplate>{{"t1", "One", "1"}}));
        QCOMPARE(names(*model),
                 (QStringList{"One", "Check connection", "Set interval", "Restart"}));
    }

    void storedGarbageGivesEmptyLists_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("templates not json")
            << "send/customTemplates" << QVariant(QByteArray("{not json"));
        QTest::newRow("templates an object")
            << "send/customTemplates" << QVariant(QByteArray(R"({"id":"x"})"));
        QTest::newRow("order a number") << "send/commandOrder" << QVariant(42);
        QTest::newRow("order a word") << "send/commandOrder" << QVariant(QStringLiteral("a3"));
    }

    void storedGarbageGivesEmptyLists()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QSettings().setValue(key, value);
        auto model = make();
        QAbstractItemModelTester tester(model.get());
        // Whatever was stored, the three library commands are listed.
        QCOMPARE(model->rowCount(), 3);
        QVERIFY(names(*model).contains(QStringLiteral("Set interval")));
        model->moveRow(0, 1);
        QCOMPARE(m_settings.commandOrder().size(), 3);
    }

    void languageChangeRereadsCaptions()
    {
        storeTemplates({{"t1", "Mine", "M"}});
        auto model = make();
        model->moveRow(3, 1);
        const QStringList before = names(*model);
        QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
        QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);

        LanguageManager::instance().setLanguage(QStringLiteral("zh_CN"));
        QCOMPARE(reset.count(), 0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 0);
        QCOMPARE(changed.at(0).at(1).toModelIndex().row(), 3);
        QCOMPARE(changed.at(0).at(2).value<QList<int>>(), QList<int>{CommandListModel::NameRole});
        QCOMPARE(names(*model), (QStringList{"Mine", "复位", "连接测试", "设置间隔"}));
        QCOMPARE(before, (QStringList{"Mine", "Restart", "Check connection", "Set interval"}));
    }

    void emptyListAnnouncesNoLanguageChange()
    {
        auto model = make();
        model->setSearchText(QStringLiteral("zzz"));
        QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
        LanguageManager::instance().setLanguage(QStringLiteral("fr"));
        QCOMPARE(changed.count(), 0);
    }

    // A view holding on to one command finds it again wherever it went.
    void identityFollowsTheCommand()
    {
        storeTemplates({{"t1", "Mine", "M"}});
        auto model = make();
        const QString interval = model->rowIdentity(2);
        QVERIFY(!interval.isEmpty());
        QCOMPARE(model->rowOfIdentity(interval), 2);
        QVERIFY(model->rowIdentity(0) != interval);
        QCOMPARE(model->rowIdentity(4), QString());
        QCOMPARE(model->rowOfIdentity(QString()), -1);

        model->setSearchText(QStringLiteral("interval"));
        QCOMPARE(model->rowOfIdentity(interval), 0);
        model->setSearchText(QStringLiteral("restart"));
        QCOMPARE(model->rowOfIdentity(interval), -1);
        model->setSearchText(QString());
        model->moveRow(2, 3);
        QCOMPARE(model->rowOfIdentity(interval), 3);
        model->setModelId(QStringLiteral("B"));
        QCOMPARE(model->rowOfIdentity(interval), -1);
    }

    void duplicateIdsAreStillTwoCommands()
    {
        DeviceLibrary library;
        QVERIFY(library.loadFromJsonText(R"({"models":[{"id":"D","commands":[
            {"id":"same","name":{"en":"First"},"cmd":"A"},
            {"id":"same","name":{"en":"Second"},"cmd":"B"}]}]})"));
        CommandListModel model(&library, &m_settings);
        QAbstractItemModelTester tester(&model);
        model.setModelId(QStringLiteral("D"));
        QVERIFY(model.rowIdentity(0) != model.rowIdentity(1));
        const QString second = model.rowIdentity(1);
        model.moveRow(1, 0);
        QCOMPARE(model.rowOfIdentity(second), 0);
        // Both rows share one key; a rebuild keeps them both.
        model.rebuild();
        QCOMPARE(model.rowCount(), 2);
    }
};

QTEST_GUILESS_MAIN(TestCommandListModel)
#include "tst_commandlistmodel.moc"
