// Reading a 400-record bank: the field reader, the same bytes split only at
// commas and line ends (the floor any reader sits on), and the whole bank
// parse with decoding.

#include "core/fieldreader.h"
#include "questions/bankloader.h"

#include <QByteArray>

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

} // namespace

BENCHMARK_MAIN();
