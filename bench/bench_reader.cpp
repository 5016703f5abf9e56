// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a 400-record bank: the field reader, the same bytes split only at
// commas and line ends (the floor any reader sits on), and the whole bank
// parse with decoding. Then files at the 16 MB limit, from the disk: read,
// loaded as a bank, refused as one 16 MB line, and refused unread when one
// byte larger.

#include "app/catalogue.h"
#include "core/datafile.h"
#include "core/fieldreader.h"
#include "questions/bankloader.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

// Statements and explanations of typical length; every fifth statement holds
// commas and so is quoted, as an author would have to write it.
QByteArray generatedBank(int records)
{
    QByteArray out;
    for (int i = 1; i <= records; ++i) {
        const QByteArray n = QByteArray::number(i);
        const QByteArray statement
            = "Statement " + n + " about the absorption of fat-soluble vitamins in the small intestine";
        const QByteArray quoted
            = "\"Statement " + n + ", with a comma, about glycolysis and the citric acid cycle\"";
        const QByteArray explanation = "Explanation " + n
            + " that gives the reason in two or three sentences so that the student can see why the "
              "statement is true or false and where to read more about it in the course notes.";
        out += n + "\r\n";
        out += "pic" + n + ".bmp\r\n";
        out += (i % 5 == 0 ? quoted : statement) + "\r\n";
        out += "T\r\n";
        out += explanation + "\r\n";
        out += statement + " (second version)\r\n";
        out += "F\r\n";
        out += explanation + "\r\n";
    }
    return out + "-999\r\n";
}

const QByteArray &bank()
{
    static const QByteArray bytes = generatedBank(400);
    return bytes;
}

void BM_SplitBaseline(benchmark::State &state)
{
    const QByteArray &bytes = bank();
    for (auto _ : state) {
        const char *p = bytes.constData();
        const char *end = p + bytes.size();
        std::size_t fields = 0;
        std::size_t chars = 0;
        const char *comma = static_cast<const char *>(std::memchr(p, ',', std::size_t(end - p)));
        const char *newline = static_cast<const char *>(std::memchr(p, '\n', std::size_t(end - p)));
        while (p < end) {
            const char *stop = end;
            if (comma && comma < stop)
                stop = comma;
            if (newline && newline < stop)
                stop = newline;
            chars += std::size_t(stop - p);
            ++fields;
            p = stop + 1;
            if (comma && comma < p)
                comma = static_cast<const char *>(
                    std::memchr(p, ',', std::size_t(std::max(end - p, std::ptrdiff_t(0)))));
            if (newline && newline < p)
                newline = static_cast<const char *>(
                    std::memchr(p, '\n', std::size_t(std::max(end - p, std::ptrdiff_t(0)))));
        }
        benchmark::DoNotOptimize(fields);
        benchmark::DoNotOptimize(chars);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(BM_SplitBaseline);

void BM_FieldReader(benchmark::State &state)
{
    const QByteArray &bytes = bank();
    for (auto _ : state) {
        quorix::FieldReader reader = quorix::FieldReader::fromBytes(bytes);
        std::size_t fields = 0;
        while (const auto field = reader.next()) {
            benchmark::DoNotOptimize(field->text.size());
            ++fields;
        }
        benchmark::DoNotOptimize(fields);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(BM_FieldReader);

void BM_FieldReaderDecodedText(benchmark::State &state)
{
    const QString text = quorix::decodeDataFile(bank()).text;
    for (auto _ : state) {
        quorix::FieldReader reader(text);
        std::size_t fields = 0;
        while (const auto field = reader.next()) {
            benchmark::DoNotOptimize(field->text.size());
            ++fields;
        }
        benchmark::DoNotOptimize(fields);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * bank().size());
}
BENCHMARK(BM_FieldReaderDecodedText);

void BM_ParseBank400(benchmark::State &state)
{
    const QByteArray &bytes = bank();
    for (auto _ : state) {
        auto loaded = quorix::parseBank(bytes, QStringLiteral("qbank1.txt"));
        if (!loaded.ok() || loaded->records.size() != 400)
            state.SkipWithError("the generated bank did not load");
        benchmark::DoNotOptimize(loaded);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(BM_ParseBank400);

// Files written once for all the benchmarks below.
class LimitFiles {
public:
    LimitFiles()
    {
        // 400 records whose explanations fill the file to the byte.
        QByteArray bank;
        const qsizetype fill = (quorix::MaxDataFileSize - 400 * 80) / 800;
        for (int i = 1; i <= 400; ++i) {
            const QByteArray n = QByteArray::number(i);
            bank += n + ",blank.bmp,Statement " + n + ",T," + QByteArray(fill, 'e') + ",Second " + n + ",F,"
                + QByteArray(fill, 'f') + "\n";
        }
        bank += "-999\n";
        bank += QByteArray(quorix::MaxDataFileSize - bank.size(), '\n');
        write("qbank1.txt", bank);
        write("qbanks.txt", QByteArray(quorix::MaxDataFileSize, 'x'));
        write("qbank2.txt", QByteArray(quorix::MaxDataFileSize + 1, 'x'));
    }
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }

private:
    void write(const char *name, const QByteArray &bytes)
    {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::abort();
    }
    QTemporaryDir m_dir;
};

const LimitFiles &limitFiles()
{
    static const LimitFiles files;
    return files;
}

void BM_ReadDataFileAtLimit(benchmark::State &state)
{
    const QString path = limitFiles().path("qbank1.txt");
    for (auto _ : state) {
        const auto file = quorix::readDataFile(path);
        if (!file.ok() || file.bytes.size() != quorix::MaxDataFileSize)
            state.SkipWithError("the file at the limit was not read");
        benchmark::DoNotOptimize(file);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * quorix::MaxDataFileSize);
}
BENCHMARK(BM_ReadDataFileAtLimit)->Unit(benchmark::kMillisecond);

void BM_LoadBankAtLimit(benchmark::State &state)
{
    const QString path = limitFiles().path("qbank1.txt");
    for (auto _ : state) {
        auto file = quorix::BankFile::open(path);
        const auto bank
            = file ? file->readAndClose() : quorix::Result<quorix::LoadedBank>::failure(file.error());
        if (!bank || bank->records.size() != 400)
            state.SkipWithError("the bank at the limit did not load");
        benchmark::DoNotOptimize(bank);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * quorix::MaxDataFileSize);
}
BENCHMARK(BM_LoadBankAtLimit)->Unit(benchmark::kMillisecond);

// The catalogue that froze the program: one line without a line end.
void BM_RefuseOneLineCatalogueAtLimit(benchmark::State &state)
{
    const QString path = limitFiles().path("qbanks.txt");
    for (auto _ : state) {
        const auto catalogue = quorix::readCatalogue(path);
        if (catalogue)
            state.SkipWithError("the one-line catalogue was accepted");
        benchmark::DoNotOptimize(catalogue);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * quorix::MaxDataFileSize);
}
BENCHMARK(BM_RefuseOneLineCatalogueAtLimit)->Unit(benchmark::kMillisecond);

void BM_RefuseOneByteOverLimit(benchmark::State &state)
{
    const QString path = limitFiles().path("qbank2.txt");
    for (auto _ : state) {
        const auto file = quorix::readDataFile(path);
        if (file.problem != quorix::DataFileProblem::TooLarge)
            state.SkipWithError("the file over the limit was not refused");
        benchmark::DoNotOptimize(file);
    }
}
BENCHMARK(BM_RefuseOneByteOverLimit)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
