// Builds and writes the set definition tree of generateSet with XmlElement and, as a yardstick,
// the same tree with pugixml. Every heap block of the process, pugixml's included, passes through
// one counter so that each run can report its peak of live bytes.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <pugixml.hpp>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <new>
#include <string>
#include <string_view>

#include "setbuild/DefinitionFile.h"
#include "setbuild/SetTypes.h"
#include "setbuild/Text.h"
#include "xml/XmlElement.h"

namespace {

// The benchmarks run on one thread, so plain counters do.
struct HeapCounter {
    std::size_t live = 0;
    std::size_t peak = 0;
    std::size_t allocations = 0;
};
HeapCounter heap;

// Counted in usable sizes, which the C library can tell again at release; pugixml's release
// function is not told the size, and a size header in front of each block would bloat the many
// small blocks of XmlElement more than pugixml's few large pages.
void* trackedAllocate(std::size_t size) noexcept {
    void* pointer = std::malloc(size);
    if (pointer == nullptr) {
        return nullptr;
    }
    heap.live += malloc_usable_size(pointer);
    heap.peak = std::max(heap.peak, heap.live);
    ++heap.allocations;
    return pointer;
}

void trackedRelease(void* pointer) noexcept {
    heap.live -= malloc_usable_size(pointer);
    std::free(pointer);
}

void* allocateOrThrow(std::size_t size) {
    if (void* pointer = trackedAllocate(size)) {
        return pointer;
    }
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) {
    return allocateOrThrow(size);
}
void* operator new[](std::size_t size) {
    return allocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return trackedAllocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return trackedAllocate(size);
}
void operator delete(void* pointer) noexcept {
    trackedRelease(pointer);
}
void operator delete[](void* pointer) noexcept {
    trackedRelease(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
    trackedRelease(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
    trackedRelease(pointer);
}
void operator delete(void* pointer, const std::nothrow_t&) noexcept {
    trackedRelease(pointer);
}
void operator delete[](void* pointer, const std::nothrow_t&) noexcept {
    trackedRelease(pointer);
}

namespace {

namespace df = grinsmith::definitionFile;

// Heap use of one benchmark run, measured from the live bytes at its start, so inputs and trees
// made before the run do not count.
class HeapScope {
public:
    HeapScope() : m_baseline(heap.live), m_allocationsBefore(heap.allocations) {
        heap.peak = heap.live;
    }

    void report(benchmark::State& state) const {
        state.counters["peak_bytes"] = static_cast<double>(heap.peak - m_baseline);
        state.counters["allocs"] =
            benchmark::Counter(static_cast<double>(heap.allocations - m_allocationsBefore),
                               benchmark::Counter::kAvgIterations);
    }

private:
    std::size_t m_baseline;
    std::size_t m_allocationsBefore;
};

struct SetInput {
    grinsmith::SetHeader header;
    grinsmith::EntryList entries;
};

struct EntryPattern {
    std::u16string_view regex;
    std::u16string_view match;
    std::u16string_view desc;
    std::u16string_view image;
};

// Faces as users type them, with Polish descriptions; a few carry & < > " to escape.
constexpr std::array<EntryPattern, 12> patterns = {{
    {u":-?\\)", u":-)", u"uśmiech", u"smile"},
    {u"<3", u"<3", u"serduszko <3 dla ukochanej", u"heart"},
    {u":-?D", u":D", u"szeroki uśmiech", u"grin"},
    {u";-?\\)", u";)", u"mrugnięcie okiem", u"wink"},
    {u":-?\\(", u":(", u"smutna buźka", u"sad"},
    {u":-?[pP]", u":P", u"język na wierzchu", u"tongue"},
    {u":'\\(", u":'(", u"płacz & łzy", u"cry"},
    {u">:-?\\(", u">:(", u"złość", u"angry"},
    {u":-?\\*", u":*", u"całus \"na do widzenia\"", u"kiss"},
    {u"8-?\\)", u"8)", u"w okularach przeciwsłonecznych", u"cool"},
    {u":-?[oO]", u":O", u"zdziwienie", u"surprised"},
    {u"\\^_*\\^", u"^_^", u"zadowolenie, gdy 1 > 0", u"happy"},
}};

std::u16string digits(std::size_t number) {
    const std::string text = std::to_string(number);
    return std::u16string(text.begin(), text.end());
}

SetInput makeInput(std::size_t count) {
    SetInput input{{u"HappyFaces", u"Zażółć Gęślą Jaźń", u"Buźki na każdą okazję & \"na zapas\""},
                   {}};
    input.entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const EntryPattern& pattern = patterns[i % patterns.size()];
        const std::u16string number = digits(i);
        input.entries.push_back({std::u16string(pattern.regex) + u"(?:" + number + u")?",
                                 std::u16string(pattern.match) + number,
                                 std::u16string(pattern.desc) + u" nr " + number,
                                 i % 3 == 0 ? u"1" : u"0",
                                 u"C:\\Użytkownicy\\Ania\\Obrazki\\buźki\\" +
                                     std::u16string(pattern.image) + number + u".png"});
    }
    return input;
}

// Kept across runs so that no run pays for making its input.
const SetInput& inputOf(std::size_t count) {
    static std::map<std::size_t, SetInput> inputs;
    auto found = inputs.find(count);
    if (found == inputs.end()) {
        found = inputs.emplace(count, makeInput(count)).first;
    }
    return found->second;
}

std::u16string fileValue(const SetInput& input, const grinsmith::EmoticonEntry& entry) {
    return input.header.name + grinsmith::fileNamePart(entry.file);
}

// The tree and text exactly as generateSet makes them.
struct GrinsmithWriter {
    using Tree = grinsmith::XmlElement;

    static Tree build(const SetInput& input) {
        return df::buildTree(input.header, input.entries, input.header.name);
    }

    static std::string write(const Tree& root) { return df::text(root); }
};

class StringWriter : public pugi::xml_writer {
public:
    void write(const void* data, std::size_t size) override {
        m_text.append(static_cast<const char*>(data), size);
    }
    std::string& text() { return m_text; }

private:
    std::string m_text;
};

// The same tree and values in pugixml. Its text differs only in writing " />" where XmlElement
// writes "/>\t" and in leaving > unescaped, so the sizes stay within a percent.
struct PugixmlWriter {
    using Tree = pugi::xml_document;

    // The names are string literals, so their data is zero-terminated as pugixml needs.
    static void addValue(pugi::xml_node node, std::string_view name, std::u16string_view value) {
        node.append_attribute(name.data()).set_value(grinsmith::toUtf8(value).c_str());
    }

    static Tree build(const SetInput& input) {
        Tree document;
        pugi::xml_node declaration = document.append_child(pugi::node_declaration);
        declaration.append_attribute("version").set_value("1.0");
        declaration.append_attribute("encoding").set_value("utf-8");
        pugi::xml_node root = document.append_child(df::rootElement.data());
        addValue(root, df::authorAttribute, input.header.author);
        addValue(root, df::setDescAttribute, input.header.description);
        for (const grinsmith::EmoticonEntry& entry : input.entries) {
            pugi::xml_node item = root.append_child(df::itemElement.data());
            addValue(item, df::regexAttribute, entry.regex);
            addValue(item, df::matchAttribute, entry.match);
            addValue(item, df::descAttribute, entry.desc);
            addValue(item, df::icaseAttribute, entry.icase);
            addValue(item, df::fileAttribute, fileValue(input, entry));
        }
        return document;
    }

    static std::string write(const Tree& document) {
        StringWriter writer;
        document.save(writer, "\t", pugi::format_indent, pugi::encoding_utf8);
        return std::move(writer.text());
    }
};

const SetInput& inputFor(const benchmark::State& state) {
    return inputOf(static_cast<std::size_t>(state.range(0)));
}

template <class Writer>
std::size_t outputSize(const SetInput& input) {
    return Writer::write(Writer::build(input)).size();
}

void reportOutput(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

template <class Writer>
void buildTree(benchmark::State& state) {
    const SetInput& input = inputFor(state);
    const std::size_t bytes = outputSize<Writer>(input);
    HeapScope scope;
    for (auto _ : state) {
        typename Writer::Tree tree = Writer::build(input);
        benchmark::DoNotOptimize(tree);
    }
    scope.report(state);
    reportOutput(state, bytes);
}

// Built once per size: a tree rebuilt for each run lands wherever the previous run's blocks were
// freed, and with a large set that changes the writing time by a factor of several.
template <class Writer>
const typename Writer::Tree& treeFor(const benchmark::State& state) {
    static std::map<std::int64_t, typename Writer::Tree> trees;
    auto found = trees.find(state.range(0));
    if (found == trees.end()) {
        found = trees.emplace(state.range(0), Writer::build(inputFor(state))).first;
    }
    return found->second;
}

template <class Writer>
void writeTree(benchmark::State& state) {
    const typename Writer::Tree& tree = treeFor<Writer>(state);
    std::size_t bytes = 0;
    HeapScope scope;
    for (auto _ : state) {
        const std::string text = Writer::write(tree);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    scope.report(state);
    reportOutput(state, bytes);
}

template <class Writer>
void buildAndWrite(benchmark::State& state) {
    const SetInput& input = inputFor(state);
    std::size_t bytes = 0;
    HeapScope scope;
    for (auto _ : state) {
        const std::string text = Writer::write(Writer::build(input));
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    scope.report(state);
    reportOutput(state, bytes);
}

void setSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
}

BENCHMARK(buildTree<GrinsmithWriter>)->Apply(setSizes);
BENCHMARK(buildTree<PugixmlWriter>)->Apply(setSizes);
BENCHMARK(writeTree<GrinsmithWriter>)->Apply(setSizes);
BENCHMARK(writeTree<PugixmlWriter>)->Apply(setSizes);
BENCHMARK(buildAndWrite<GrinsmithWriter>)->Apply(setSizes);
BENCHMARK(buildAndWrite<PugixmlWriter>)->Apply(setSizes);

}  // namespace

int main(int argc, char** argv) {
    // Freed memory stays with the process: otherwise the C library hands the top of the heap
    // back after each run and the next one spends its time in page faults, more or less
    // depending on which benchmark ran before.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    // Before the first document, so that every pugixml block is counted.
    pugi::set_memory_management_functions(trackedAllocate, trackedRelease);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
