#include "cli/csv_reader.h"
#include "test_registry.h"

#include <QBuffer>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <cstring>

using namespace vazolar;
using namespace vazolar::cli;

namespace {

// A device that hands out its bytes and then fails, as a disk with a bad sector does partway
// through a file (no such disk is at hand: the failure is simulated).
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(const QByteArray& bytes) : bytes_(bytes) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 size) override {
        if (bytes_.isEmpty()) {
            setErrorString("Erro de entrada/saída");
            return -1;
        }
        const qint64 step = std::min<qint64>(size, bytes_.size());
        std::memcpy(data, bytes_.constData(), size_t(step));
        bytes_.remove(0, step);
        return step;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
};

// Every record the device gives, one text each: "line: cell|cell|…" or "line! fault", with
// ", stop" where the record ended the reading; a failure to read ends the list with
// "failed: reason".
QStringList records(QIODevice& device) {
    CsvReader reader(device);
    const Outcome<char> separator = reader.findSeparator();
    if (!separator)
        return {"failed: " + separator.message()};
    reader.setSeparator(separator.value());
    QStringList texts;
    while (true) {
        const Outcome<std::optional<CsvRecord>> record = reader.next();
        if (!record)
            return texts << "failed: " + record.message();
        if (!record.value())
            return texts;
        const CsvRecord& read = *record.value();
        if (!read.fault.isEmpty()) {
            texts << QString("%1! %2%3")
                         .arg(read.line)
                         .arg(read.fault)
                         .arg(read.endsReading ? ", stop" : "");
            continue;
        }
        QStringList cells;
        for (const QByteArray& cell : read.cells)
            cells << QString::fromUtf8(cell);
        texts << QString("%1: %2").arg(read.line).arg(cells.join('|'));
    }
}

QStringList records(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return records(buffer);
}

} // namespace

// The CSV that spreadsheets write, record by record.
class CsvReaderTest : public QObject {
    Q_OBJECT

private slots:
    void readsRecords_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("LF") << QByteArray("a;b\n1;2\n") << QStringList{"1: a|b", "2: 1|2"};
        QTest::newRow("CR LF") << QByteArray("a;b\r\n1;2\r\n") << QStringList{"1: a|b", "2: 1|2"};
        QTest::newRow("CR only") << QByteArray("a;b\r1;2\r3;4")
                                 << QStringList{"1: a|b", "2: 1|2", "3: 3|4"};
        QTest::newRow("no end at the end") << QByteArray("a\n1") << QStringList{"1: a", "2: 1"};
        QTest::newRow("blank line kept in its place")
            << QByteArray("a\n\n1\n") << QStringList{"1: a", "2: ", "3: 1"};
        QTest::newRow("quoted header, as Calc writes it")
            << QByteArray("\"forma\";\"i\"\n\"trapezoidal\";0,1\n")
            << QStringList{"1: forma|i", "2: trapezoidal|0,1"};
        QTest::newRow("separator and doubled quote in a cell")
            << QByteArray("a;\"x;\"\"y\"\"\";b\n") << QStringList{"1: a|x;\"y\"|b"};
        QTest::newRow("line break in a cell: one record, the next on its own line")
            << QByteArray("a;\"um\ndois\";b\r\nc;d\r\n")
            << QStringList{"1: a|um\ndois|b", "3: c|d"};
        QTest::newRow("CR LF inside quotes counts one line")
            << QByteArray("\"x\r\ny\"\nz\n") << QStringList{"1: x\r\ny", "3: z"};
        QTest::newRow("CR LF, then LF, inside quotes: kept as they are")
            << QByteArray("\"\r\n\ny\"\nz\n") << QStringList{"1: \r\n\ny", "4: z"};
        QTest::newRow("unterminated quote: the lines before stay, the lines after are counted")
            << QByteArray("a;b\n1;2\n\"3;4\n5;6\n")
            << QStringList{"1: a|b", "2: 1|2",
                           "3! aspas abertas na linha 3 não se fecham até o fim do arquivo: 2 "
                           "linhas não foram lidas como canais"};
        QTest::newRow("unterminated quote on the record's second line, CR LF")
            << QByteArray("a\r\n\"x\r\ny\";\"z\r\nw\r\nv")
            << QStringList{"1: a", "2! aspas abertas na linha 3 não se fecham até o fim do "
                                   "arquivo: 4 linhas não foram lidas como canais"};
        QTest::newRow("unterminated quote on the last line")
            << QByteArray("a\n\"b")
            << QStringList{"1: a", "2! aspas abertas na linha 2 não "
                                   "se fecham até o fim do arquivo: 1 "
                                   "linha não foi lida como canal"};
        QTest::newRow("text after the closing quote: that line only")
            << QByteArray("a;b\n\"1\"x;2\n3;4\n")
            << QStringList{"1: a|b",
                           "2! aspas sem fechamento: há texto depois das aspas que fecham a "
                           "célula",
                           "3: 3|4"};
        QTest::newRow("empty cells") << QByteArray(";;\n") << QStringList{"1: ||"};
        QTest::newRow("tab separated header")
            << QByteArray("forma\ti\tn\ncircular\t0,1\t0,015\n")
            << QStringList{"1: forma|i|n", "2: circular|0,1|0,015"};
        QTest::newRow("comma separated, decimal commas quoted")
            << QByteArray("forma,i\ncircular,\"0,1\"\n")
            << QStringList{"1: forma|i", "2: circular|0,1"};
        QTest::newRow("semicolon wins over commas")
            << QByteArray("forma;i,x\n") << QStringList{"1: forma|i,x"};
        QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF"
                                                  "a;b\n")
                                    << QStringList{"1: a|b"};
        QTest::newRow("UTF-16 LE with its mark") << QByteArray("\xFF\xFE"
                                                               "a\0;\0b\0\n\0\xE9\0",
                                                               12)
                                                 << QStringList{"1: a|b", "2: é"};
        QTest::newRow("UTF-16 BE with its mark")
            << QByteArray("\xFE\xFF\0a\0;\0b\0\n\0\xE9", 12) << QStringList{"1: a|b", "2: é"};
        QTest::newRow("empty") << QByteArray() << QStringList{};
    }

    void readsRecords() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QCOMPARE(records(bytes), expected);
    }

    // A read that fails partway ends the reading with the reason, after the records before it.
    void readErrorEndsTheReading() {
        FailingDevice device("a;b\n1;2\n3;");
        QCOMPARE(records(device),
                 (QStringList{"1: a|b", "2: 1|2", "failed: Erro de entrada/saída"}));
    }

    // Every byte of a record counts against the limit, and a record past it ends the reading:
    // its end may never come. A record past the cell limit is refused on its line alone.
    void recordLimits_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QStringList>("expected");
        const qsizetype limit = CsvReader::kMaxRecordBytes;
        const QString tooLong = "2! registro com mais de 1 MB, stop";
        QTest::newRow("cell bytes") << QByteArray(limit + 1, '7') << QStringList{"1: a", tooLong};
        QTest::newRow("NUL bytes") << QByteArray(limit + 1, '\0') << QStringList{"1: a", tooLong};
        QTest::newRow("separators") << QByteArray(limit + 1, ';') << QStringList{"1: a", tooLong};
        QTest::newRow("line ends inside quotes")
            << '"' + QByteArray(limit, '\n') + '"' << QStringList{"1: a", tooLong};
        QTest::newRow("the limit itself, separators included")
            << QByteArray(limit - 2, '7') + ";7"
            << QStringList{"1: a", "2: " + QString(limit - 2, '7') + "|7", "3: b"};
        QTest::newRow("as many cells as the limit")
            << QByteArray(CsvReader::kMaxCells - 1, ';')
            << QStringList{"1: a", "2: " + QString(CsvReader::kMaxCells - 1, '|'), "3: b"};
        QTest::newRow("one cell more")
            << QByteArray(CsvReader::kMaxCells, ';')
            << QStringList{"1: a", "2! registro com mais de 1000 campos", "3: b"};
    }

    void recordLimits() {
        QFETCH(QByteArray, record);
        QFETCH(QStringList, expected);
        QCOMPARE(records("a\n" + record + "\nb\n"), expected);
    }

    // The real endless input: its one record ends the reading.
    void devZeroEnds() {
        QFile zeros("/dev/zero");
        QVERIFY(zeros.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
        QCOMPARE(records(zeros), QStringList{"1! registro com mais de 1 MB, stop"});
    }
};

VAZOLAR_TEST(CsvReaderTest);
#include "tst_csv_reader.moc"
