#include "StationFixture.h"
#include "core/radio/ChannelSelector.h"
#include "core/radio/ChannelTable.h"

#include <QDir>
#include <QSignalSpy>
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
        QStringList notices;
        const ChannelTable table = ChannelTable::load({folder.path() + "/"}, &notices);
        QVERIFY(notices.isEmpty());
        const QList<std::pair<int, QString>> rows{{1, "01"},  {6, "06"},  {9, "09"},  {16, "16"},
                                                  {28, "28"}, {29, "61"}, {40, "72"}, {45, "77"},
                                                  {48, "80"}, {52, "84"}, {56, "88"}};
        for (const auto &[row, channel] : rows)
            QCOMPARE(table.row(row).channel.str(), channel);
        for (int i = 1; i <= ChannelTable::Rows; ++i) {
            QCOMPARE(table.row(i).txPortOffset, table.row(i).rxPortOffset); // everyone on a channel hears everyone
            QVERIFY(!table.row(i).mode.isEmpty());
        }
        QCOMPARE(table.row(16).mode.str(), QString("SIM"));
        QCOMPARE(table.row(16).use.str(), QString("DISTRESS"));
    }

    void loader_data()
    {
        QTest::addColumn<QString>("where"); // cwd, program, nowhere
        QTest::addColumn<QByteArray>("resource");
        QTest::addColumn<QString>("row7"); // channel|mode|tx|rx
        QTest::newRow("in the working directory")
            << "cwd" << QByteArray("[channels]\n7=07\n207=SIM\n1007=70\n1107=71\n") << "07|SIM|71|70";
        QTest::newRow("beside the program") << "program" << QByteArray("[channels]\n7=07\n207=DUP\n") << "07|DUP|7|7";
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
        if (where == "cwd")
            writeFile(cwd.filePath("channels.ini"), resource);
        if (where == "program")
            writeFile(program.filePath("channels.ini"), resource);
        // The working directory at start comes first, then the program's folder.
        QStringList notices;
        const ChannelTable table = ChannelTable::load({cwd.path() + "/", program.path() + "/"}, &notices);
        const QStringList missing{"Load channels.ini failed!\r\nNo such file or directory",
                                  "Please check installation path."};
        QCOMPARE(notices, where == "nowhere" ? missing : QStringList());
        const QStringList e = row7.split('|');
        QCOMPARE(table.row(7).channel.str(), e[0]);
        QCOMPARE(table.row(7).mode.str(), e[1].trimmed());
        QCOMPARE(table.row(7).txPortOffset, e[2].toInt());
        QCOMPARE(table.row(7).rxPortOffset, e[3].toInt());
        QCOMPARE(table.row(30).rxPortOffset, 30); // a missing offset is the row number
    }

    void selectorWrapsAtBothEnds()
    {
        ChannelSelector selector(ChannelTable::Rows);
        QSignalSpy tuned(&selector, &ChannelSelector::tuned);
        QCOMPARE(selector.row(), 16);
        selector.select(1);
        selector.previous();
        QCOMPARE(selector.row(), 56);
        selector.next();
        QCOMPARE(selector.row(), 1);
        selector.next();
        QCOMPARE(selector.row(), 2);
        QCOMPARE(tuned.size(), 4);
        QCOMPARE(tuned.last().first().toInt(), 2);
    }
};

QTEST_GUILESS_MAIN(TestChannelTable)
#include "tst_channel_table.moc"
