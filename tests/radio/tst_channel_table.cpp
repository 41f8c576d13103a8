#include "ModalScript.h"
#include "StationFixture.h"
#include "platform/BroadcastReceiver.h"
#include "platform/BroadcastSender.h"
#include "radio/Carica_risorse.h"
#include "shell/Unit1.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestChannelTable : public QObject
{
    Q_OBJECT

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private slots:
    void shippedTableHasTheQuickSelectRows()
    {
        StationFolder folder;
        ChannelTable table;
        load_channel_table(table);
        const QList<std::pair<int, QString>> rows{{1, "01"},  {6, "06"},  {9, "09"},  {16, "16"}, {28, "28"},
                                                  {29, "61"}, {40, "72"}, {45, "77"}, {48, "80"}, {52, "84"},
                                                  {56, "88"}};
        for (const auto &[row, channel] : rows)
            QCOMPARE(table[row].channel.str(), channel);
        for (int i = 1; i <= ChannelRows; ++i) {
            QCOMPARE(table[i].tx_port_offset, table[i].rx_port_offset); // everyone on a channel hears everyone
            QVERIFY(!table[i].mode.isEmpty());
        }
        QCOMPARE(table[16].mode.str(), QString("SIM"));
        QCOMPARE(table[16].block400_text.str(), QString("DISTRESS"));
    }

    void loader_data()
    {
        QTest::addColumn<QString>("where"); // cwd, program, nowhere
        QTest::addColumn<QByteArray>("resource");
        QTest::addColumn<QString>("row7"); // channel|mode|tx|rx
        QTest::newRow("in the working directory") << "cwd" << QByteArray("[channels]\n7=07\n207=SIM\n1007=70\n1107=71\n")
                                                  << "07|SIM|71|70";
        QTest::newRow("beside the program") << "program" << QByteArray("[channels]\n7=07\n207=DUP\n")
                                            << "07|DUP|7|7";
        QTest::newRow("three characters, long mode, empty offsets")
            << "cwd" << QByteArray("[channels]\n7=160\n207=SIMPLEX\n1007=\n1107=abc\n") << "16|SIMPL|7|7";
        QTest::newRow("missing everywhere") << "nowhere" << QByteArray() << "|  |7|7";
    }
    void loader()
    {
        QFETCH(QString, where);
        QFETCH(QByteArray, resource);
        QFETCH(QString, row7);
        QTemporaryDir program, cwd;
        set_program_folder(program.path());
        const QString before = QDir::currentPath();
        QDir::setCurrent(cwd.path());
        if (where == "cwd")
            writeFile(cwd.filePath("channels.ini"), resource);
        if (where == "program")
            writeFile(program.filePath("channels.ini"), resource);
        ModalScript script;
        if (where == "nowhere")
            script.message("Load channels.ini failed!\r\nNo such file or directory")
                .message("Please check installation path.");
        ChannelTable table;
        load_channel_table(table);
        QDir::setCurrent(before);
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        const QStringList e = row7.split('|');
        QCOMPARE(table[7].channel.str(), e[0]);
        QCOMPARE(table[7].mode.str(), e[1].trimmed());
        QCOMPARE(table[7].tx_port_offset, e[2].toInt());
        QCOMPARE(table[7].rx_port_offset, e[3].toInt());
        QCOMPARE(table[30].rx_port_offset, 30); // a missing offset is the row number
    }

    void channelSelection()
    {
        StationFolder folder("[radio]\nbase_port=18000\n");
        TForm1 form;
        form.show();
        QCOMPARE(current_channel, 16);
        QCOMPARE(form.lbl_channel->text(), QString("16"));
        QCOMPARE(form.lbl_mode->text(), QString("SIM"));
        QCOMPARE(form.BroadcastRX->port(), QString("18016"));
        QCOMPARE(form.BroadcastTX->port(), QString("18016"));

        const QList<std::tuple<QPushButton *, int, QString>> presses{
            {form.btn_ch[2], 40, "72"}, {form.btn_ch[0], 6, "06"},  {form.btn_down, 5, "05"}, {form.btn_16, 16, "16"},
            {form.btn_ch[5], 52, "84"}, {form.btn_ch[1], 9, "09"},  {form.btn_ch[3], 45, "77"}, {form.btn_ch[4], 48, "80"},
            {form.btn_UP, 49, "81"}};
        for (const auto &[button, row, shown] : presses) {
            button->click();
            QCOMPARE(current_channel, row);
            QCOMPARE(form.lbl_channel->text(), shown);
            QCOMPARE(form.BroadcastRX->port(), QString::number(18000 + row));
            QCOMPARE(form.BroadcastTX->port(), QString::number(18000 + row));
            QVERIFY(form.BroadcastRX->isActive()); // reopened on the new port
        }
        form.cambia_canale(1);
        form.btn_down->click();
        QCOMPARE(current_channel, 56);
        form.btn_UP->click();
        QCOMPARE(current_channel, 1);
    }

    void oneDigitChannelIsPaddedOnlyAtStart()
    {
        StationFolder folder;
        QFile ini(folder.path() + "/channels.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write("[channels]\n16=6\n216=SIM\n");
        ini.close();
        TForm1 form;
        form.show();
        QCOMPARE(form.lbl_channel->text(), QString("06"));
        form.btn_16->click();
        QCOMPARE(form.lbl_channel->text(), QString("6"));
    }

    void startsWithoutTheTable()
    {
        StationFolder folder;
        QFile::remove(folder.path() + "/channels.ini");
        ModalScript script;
        script.message("Load channels.ini failed!\r\nNo such file or directory").message("Please check installation path.");
        TForm1 form;
        form.show();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QCOMPARE(form.lbl_channel->text(), QString()); // empty display, and on it goes
        QCOMPARE(form.BroadcastRX->port(), QString("17016"));
        QVERIFY(form.BroadcastRX->isActive());
        form.btn_ch[2]->click();
        QCOMPARE(form.BroadcastRX->port(), QString("17040"));
    }
};

QTEST_MAIN(TestChannelTable)
#include "tst_channel_table.moc"
