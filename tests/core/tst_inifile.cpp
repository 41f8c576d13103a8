#include "core/config/IniFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

class TestIniFile : public QObject
{
    Q_OBJECT

    QByteArray contents(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void put(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("file"); // "<none>": no file at all
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("integer"); // readInteger with default -99

        const QByteArray station = "; station keys\r\n[Radio]\r\nMMSI = 274111001 \r\nMode=1\r\nempty=\r\n"
                                   "odd=12x\r\nhex=$1F\r\nneg=-7\r\nbig=99999999999\r\n[other]\r\nmode=5\r\n";
        QTest::newRow("case-insensitive names, trimmed value") << station << "radio"
                                                               << "mmsi"
                                                               << "274111001" << 274111001;
        QTest::newRow("first section only") << station << "RADIO"
                                            << "MODE"
                                            << "1" << 1;
        QTest::newRow("missing key") << station << "radio"
                                     << "nothing"
                                     << "<def>" << -99;
        QTest::newRow("key of another section") << station << "other"
                                                << "mmsi"
                                                << "<def>" << -99;
        QTest::newRow("empty value") << station << "radio"
                                     << "empty"
                                     << "" << -99;
        QTest::newRow("not an integer") << station << "radio"
                                        << "odd"
                                        << "12x" << -99;
        QTest::newRow("hexadecimal") << station << "radio"
                                     << "hex"
                                     << "$1F" << 31;
        QTest::newRow("negative") << station << "radio"
                                  << "neg"
                                  << "-7" << -7;
        QTest::newRow("beyond 32 bits") << station << "radio"
                                        << "big"
                                        << "99999999999" << -99;
        QTest::newRow("missing file") << QByteArray("<none>") << "radio"
                                      << "mmsi"
                                      << "<def>" << -99;
        QTest::newRow("garbage file") << QByteArray("\x01\x02=\xff\n[[[\n=x\n") << "radio"
                                      << "mmsi"
                                      << "<def>" << -99;
        QTest::newRow("Latin-1 text") << QByteArray("[radio]\nname=caf\xe9\n") << "radio"
                                      << "name" << QString::fromUtf8("café") << -99;
        QTest::newRow("UTF-8 text") << QByteArray("[radio]\nname=caf\xc3\xa9\n") << "radio"
                                    << "name" << QString::fromUtf8("café") << -99;
        QTest::newRow("NUL and control characters dropped") << QByteArray("[radio]\nmmsi=2741\0"
                                                                          "11\x01"
                                                                          "001\x7f\n",
                                                                          25)
                                                            << "radio"
                                                            << "mmsi"
                                                            << "274111001" << 274111001;
    }
    void read()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(int, integer);
        QTemporaryDir dir;
        const QString path = dir.filePath("quillet.ini");
        if (file != "<none>")
            put(path, file);
        const IniFile ini(path);
        QCOMPARE(ini.readString(section, key, "<def>"), text);
        QCOMPARE(ini.readInteger(section, key, -99), integer);
    }

    void write_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("update under another spelling, keep comments")
            << QByteArray("[GPS_SETUP]\r\nGPS_LAT=41\r\n; hand note\r\nGPS_NS=N\r\n") << "gps_setup"
            << "gps_lat"
            << "89" << QByteArray("[GPS_SETUP]\r\nGPS_LAT=89\r\n; hand note\r\nGPS_NS=N\r\n");
        QTest::newRow("missing key at the end of its section")
            << QByteArray("[radio]\nmmsi=1\n\n[gps_setup]\nutc=0\n") << "radio"
            << "mode"
            << "0" << QByteArray("[radio]\nmmsi=1\nmode=0\n\n[gps_setup]\nutc=0\n");
        QTest::newRow("missing section at the end of the file")
            << QByteArray("[radio]\nmmsi=1\n") << "settings"
            << "Form1.left"
            << "5" << QByteArray("[radio]\nmmsi=1\n\n[settings]\nForm1.left=5\n");
        QTest::newRow("no file yet") << QByteArray("<none>") << "settings"
                                     << "Form1.top"
                                     << "-1" << QByteArray("[settings]\nForm1.top=-1\n");
        QTest::newRow("last line without line end") << QByteArray("[radio]\nmmsi=1") << "radio"
                                                    << "MMSI"
                                                    << "2" << QByteArray("[radio]\nmmsi=2");
        QTest::newRow("mixed line endings: each line keeps its own")
            << QByteArray("[radio]\r\nmmsi=1\nmode=0\r\n") << "radio"
            << "mmsi"
            << "2" << QByteArray("[radio]\r\nmmsi=2\nmode=0\r\n");
        QTest::newRow("other lines keep their bytes")
            << QByteArray("; caf\xe9\n[radio]\nname=\xe9t\xe9\nmmsi=1\n") << "radio"
            << "mmsi"
            << "2" << QByteArray("; caf\xe9\n[radio]\nname=\xe9t\xe9\nmmsi=2\n");
    }
    void write()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath("quillet.ini");
        if (before != "<none>")
            put(path, before);
        IniFile ini(path);
        ini.writeString(section, key, value);
        QCOMPARE(contents(path), after);
        QCOMPARE(ini.readString(section, key, "<def>"), value);
        // The replacement leaves nothing else behind in the folder.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"quillet.ini"});
    }

    void failedWriteNamesThePath()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("no-such-folder/quillet.ini");
        IniFile ini(path);
        try {
            ini.writeInteger("radio", "mode", 1);
            QFAIL("write into a missing folder succeeded");
        } catch (const IniWriteError &e) {
            QCOMPARE(e.message(), "Unable to write to " + path);
        }
    }

    void failedWriteKeepsTheOldFile()
    {
        // A full disk, as the kernel reports it to a writer over its file size limit.
        QTemporaryDir dir;
        const QString path = dir.filePath("quillet.ini");
        const QByteArray old = "[radio]\nmmsi=274111001\n" + QByteArray(200, ';') + "\n";
        put(path, old);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 64;
        setrlimit(RLIMIT_FSIZE, &small);
        bool threw = false;
        try {
            IniFile(path).writeString("radio", "mmsi", "111111111");
        } catch (const IniWriteError &) {
            threw = true;
        }
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(threw);
        QCOMPARE(contents(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"quillet.ini"});
    }

    void severalKeysInOneReplacement()
    {
        // Room for the file with one changed key, not with all of them: as one
        // replacement, all or nothing.
        QTemporaryDir dir;
        const QString path = dir.filePath("quillet.ini");
        const QByteArray old = "[radio]\nmmsi=274111001\n";
        put(path, old);
        QList<IniFile::Entry> entries;
        for (int i = 0; i < 11; ++i)
            entries.append({"gps_setup", QStringLiteral("key%1").arg(i), "12345"});
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = old.size() + 40;
        setrlimit(RLIMIT_FSIZE, &small);
        bool threw = false;
        try {
            IniFile(path).write(entries);
        } catch (const IniWriteError &) {
            threw = true;
        }
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(threw);
        QCOMPARE(contents(path), old);

        // Without the limit: in their order, as single writes would leave it.
        IniFile(path).write({{"radio", "mode", "1"}, {"gps_setup", "gps_lat", "43"}, {"RADIO", "MMSI", "2"}});
        QCOMPARE(contents(path), QByteArray("[radio]\nmmsi=2\nmode=1\n\n[gps_setup]\ngps_lat=43\n"));
    }

    void writeGoesThroughASymbolicLink()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("shared");
        const QString target = dir.filePath("shared/quillet.ini"), link = dir.filePath("quillet.ini");
        put(target, "[radio]\nmmsi=1\n");
        QVERIFY(QFile::link(target, link));
        IniFile(link).writeString("radio", "mmsi", "2");
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(contents(target), QByteArray("[radio]\nmmsi=2\n"));
        QCOMPARE(QDir(dir.filePath("shared")).entryList(QDir::Files | QDir::Hidden), QStringList{"quillet.ini"});
    }

    void unreadableFileIsNeverWritten()
    {
        // As an ordinary user: root reads any file, so a child process drops to
        // "nobody" for the write.
        QTemporaryDir dir;
        const QString path = dir.filePath("quillet.ini");
        const QByteArray old = "[radio]\nmmsi=274111001\n[settings]\nForm1.left=3\n";
        put(path, old);
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        const QByteArray folder = QFile::encodeName(dir.path()), file = QFile::encodeName(path);
        if (::getuid() == 0) {
            QVERIFY(::chown(folder.constData(), 65534, 65534) == 0 && ::chown(file.constData(), 65534, 65534) == 0);
        }
        const pid_t child = ::fork();
        if (child == 0) {
            if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(3);
            int code = 0;
            const IniFile ini(path);
            if (ini.status() != IniFile::Unreadable || ini.readString("radio", "mmsi", "<def>") != "<def>")
                code = 4;
            try {
                IniFile(path).writeInteger("settings", "Form1.dockOrnt", 0);
                code = code ? code : 5; // written from nothing
            } catch (const IniWriteError &e) {
                if (e.message() != "Unable to write to " + path)
                    code = 6;
            }
            ::_exit(code);
        }
        int status = -1;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(contents(path), old);
    }

    void tooLargeFileIsNotRead()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("quillet.ini");
        const QByteArray big = "[radio]\nmmsi=211000001\n" + QByteArray(IniFile::MaxSize, ';');
        put(path, big);
        IniFile ini(path);
        QCOMPARE(ini.status(), IniFile::TooLarge);
        QCOMPARE(ini.readString("radio", "mmsi", "<def>"), QString("<def>"));
        QCOMPARE(ini.whyNotRead(), path + " is larger than 1024 KiB and was not read.");
        QVERIFY_THROWS_EXCEPTION(IniWriteError, ini.writeString("radio", "mmsi", "1"));
        QCOMPARE(contents(path).size(), big.size());
    }

    void staleTemporariesOfOursGo()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("quillet.ini");
        put(path, "[radio]\n");
        const QStringList names{"quillet.ini.Ab3xZ9", "quillet.ini.fresh1", "quillet.ini.toolong1", "other.ini.Ab3xZ9"};
        for (const QString &name : names)
            put(dir.filePath(name), "x");
        const QDateTime old = QDateTime::currentDateTime().addSecs(-60);
        for (const QString &name : {names[0], names[2], names[3]}) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::ReadWrite) && f.setFileTime(old, QFileDevice::FileModificationTime));
        }
        IniFile::removeStaleTemporaries(path);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"other.ini.Ab3xZ9", "quillet.ini", "quillet.ini.fresh1", "quillet.ini.toolong1"}));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
