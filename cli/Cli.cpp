// SPDX-License-Identifier: GPL-3.0-or-later
// faultwise-cli: argument handling and output; all decoding happens in the core.
#include "Cli.h"
#include "ExplainReport.h"
#include "QuotedName.h"

#include "CompareDumps.h"
#include "Cp1252.h"
#include "DumpFile.h"
#include "Identify.h"
#include "PrintLog.h"
#include "Product.h"
#include "Registry.h"
#include "RunDecoder.h"
#include "TypeArgument.h"

#include <cstring>
#include <utility>
#include <string>
#include <vector>

namespace {

constexpr char kProgram[] = "faultwise-cli";
constexpr char kSizeMismatch[] = "File size do not match";

constexpr char kUsage[] =
    "Usage: faultwise-cli <type> <dump>...   print the fault report of each dump\n"
    "       faultwise-cli --list             list the unit types, one leaf of the tree a line\n"
    "       faultwise-cli --info <type>      print the unit type's info text\n"
    "       faultwise-cli --guess <dump>     list the unit types that take a dump of this size\n"
    "       faultwise-cli --identify <dump>...  rank those unit types by the dump's content\n"
    "       faultwise-cli --compare <a> <b>  tell whether two reads of a chip are identical\n"
    "       faultwise-cli --explain <type> <dump>   the report, each entry followed by the\n"
    "                                               dump bytes read for it\n"
    "       faultwise-cli --json <type> <dump>...   one JSON object per dump, one per line\n"
    "       faultwise-cli --help | --version\n"
    "\n";
// Between the two parts: "<type> is a type id (1 to N)", N the highest id.
constexpr char kUsageTail[] =
    " or a part number as printed on the unit's\n"
    "label: case, blanks and dashes do not matter, nor Cyrillic or Latin look-alike letters,\n"
    "nor the letter O for the digit 0.\n"
    "Lines of --list: type id, make, part number, decoder class, dump size in bytes,\n"
    "separated by tabs. --identify adds a score and the reasons for it, best first.\n"
    "Signs of a bad read (an erased or blank chip, a mirrored image, byte-swapped words,\n"
    "an erased identifier area) are told on stderr as warnings before the report.\n"
    "--explain follows each report entry with a line \"\\t@ \" and the byte ranges of the\n"
    "dump read since the entry before it, as 0xFIRST-0xLAST (both included), or \"none\".\n"
    "--json prints {\"file\", \"size\", \"sha256\", \"type_id\", \"make\", \"part_number\",\n"
    "\"decoder\", \"lines\": [{\"text\", \"ranges\": [[first, last], ...]}, ...]} per dump;\n"
    "make and part_number are those of the part number given, or of the first one of\n"
    "the type id in --list order.\n"
    "\n"
    "Exit status: 0 when every dump was decoded, 1 when a dump could not be read or has\n"
    "the wrong size (for --guess and --identify: when no unit type takes its size), 2 for\n"
    "a usage error, an unknown unit type or a unit type without a decoder. --compare exits\n"
    "with 0 when the reads are identical, 1 when they differ and 2 when a file cannot be\n"
    "read.\n";

// Writes each report entry as UTF-8, ended by one newline.
class StreamSink : public ReportSink {
public:
    explicit StreamSink(std::ostream& out)
        : m_out(out) {}
    void append(std::string_view entry) override { m_out << cp1252::toUtf8(entry) << '\n'; }

private:
    std::ostream& m_out;
};

int usageError(std::ostream& err, const std::string& message) {
    err << kProgram << ": " << message << "\nTry 'faultwise-cli --help'.\n";
    return kCliUsage;
}

void printLeaf(std::ostream& out, const UnitTreeLeaf& leaf) {
    const UnitType& type = *findUnitType(leaf.typeId);
    out << leaf.typeId << '\t' << leaf.make << '\t' << leaf.partNumber << '\t' << type.decoderClass
        << '\t' << type.dumpSize << '\n';
}

int listTypes(std::ostream& out) {
    for (const UnitTreeLeaf& leaf : unitTree())
        printLeaf(out, leaf);
    return kCliOk;
}

int printInfo(const std::string& typeArgument, std::ostream& out, std::ostream& err) {
    const TypeArgument type = resolveTypeArgument(typeArgument);
    if (type.kind != TypeArgument::WithDecoder)
        return refuseTypeArgument(type, typeArgument, err);
    const std::unique_ptr<ecuDTC> decoder = createDecoder(type.typeId);
    char info[kInfoTextSize] = {};
    decoder->getInfo(info);
    out << cp1252::toUtf8(info) << '\n';
    return kCliOk;
}

int guessTypes(const std::string& path, std::ostream& out, std::ostream& err) {
    std::vector<uint8_t> dump;
    std::string reason;
    if (!loadDumpFile(path, dump, reason)) {
        err << kProgram << ": " << quotedName(path) << ": " << reason << '\n';
        return kCliSomeDumpFailed;
    }
    bool anyFits = false;
    for (const UnitTreeLeaf& leaf : unitTree()) {
        if (size_t(findUnitType(leaf.typeId)->dumpSize) == dump.size()) {
            printLeaf(out, leaf);
            anyFits = true;
        }
    }
    if (!anyFits)
        err << kProgram << ": " << quotedName(path) << ": no unit type takes a dump of "
            << dump.size() << " bytes\n";
    return anyFits ? kCliOk : kCliSomeDumpFailed;
}

// Reads are compared, never written: both files are only read whole.
int compareReads(const std::string& pathA, const std::string& pathB, std::ostream& out,
                 std::ostream& err) {
    std::vector<uint8_t> a, b;
    std::string reason;
    for (const auto& [path, bytes] : {std::pair{&pathA, &a}, std::pair{&pathB, &b}}) {
        if (!loadDumpFile(*path, *bytes, reason)) {
            err << kProgram << ": " << quotedName(*path) << ": " << reason << '\n';
            return kCliUsage;
        }
    }
    const DumpComparison comparison = compareDumps(a.data(), a.size(), b.data(), b.size());
    out << describeComparison(comparison) << '\n';
    return comparison.identical() ? kCliOk : kCliSomeDumpFailed;
}

int printReports(const std::string& typeArgument, const std::vector<std::string>& paths,
                 std::ostream& out, std::ostream& err) {
    const TypeArgument type = resolveTypeArgument(typeArgument);
    if (type.kind != TypeArgument::WithDecoder)
        return refuseTypeArgument(type, typeArgument, err);
    const int32_t typeId = type.typeId;
    StreamSink sink(out);
    const ScopedReportSink installed(&sink);
    int status = kCliOk;
    for (const std::string& path : paths) {
        if (!out)
            break; // the output failed: the caller tells why
        std::vector<uint8_t> dump;
        std::string reason;
        if (!loadDumpFile(path, dump, reason)) {
            err << kProgram << ": " << quotedName(path) << ": " << reason << '\n';
            status = kCliSomeDumpFailed;
            continue;
        }
        const std::unique_ptr<ecuDTC> decoder = createDecoder(typeId);
        if (size_t(decoder->getDumpSize()) != dump.size()) {
            err << kProgram << ": " << quotedName(path) << ": " << kSizeMismatch << '\n';
            status = kCliSomeDumpFailed;
            continue;
        }
        warnAboutRead(path, dump, typeId, err);
        if (paths.size() > 1)
            out << "==> " << quotedName(path) << " <==\n";
        runDecoder(*decoder, dump.data(), dump.size());
    }
    out.flush();
    return status;
}

} // namespace

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return usageError(err, "missing arguments");

    const std::string& command = args[0];
    if (command == "--help" || command == "-h") {
        out << kUsage << "<type> is a type id (" << kFirstTypeId << " to " << lastTypeId() << ")"
            << kUsageTail;
        return kCliOk;
    }
    if (command == "--version") {
        out << kProgram << ' ' << product::kVersion << '\n';
        return kCliOk;
    }
    if (command == "--list")
        return args.size() == 1 ? listTypes(out) : usageError(err, "--list takes no arguments");
    if (command == "--info")
        return args.size() == 2 ? printInfo(args[1], out, err)
                                : usageError(err, "--info takes one unit type");
    if (command == "--guess")
        return args.size() == 2 ? guessTypes(args[1], out, err)
                                : usageError(err, "--guess takes one dump");
    if (command == "--identify")
        return args.size() >= 2 ? identifyDumps({args.begin() + 1, args.end()}, out, err)
                                : usageError(err, "--identify takes at least one dump");
    if (command == "--compare")
        return args.size() == 3 ? compareReads(args[1], args[2], out, err)
                                : usageError(err, "--compare takes two dumps");
    if (command == "--explain")
        return args.size() == 3 ? explainReport(args[1], args[2], out, err)
                                : usageError(err, "--explain takes one unit type and one dump");
    if (command == "--json")
        return args.size() >= 3 ? jsonReports(args[1], {args.begin() + 2, args.end()}, out, err)
                                : usageError(err, "--json takes a unit type and at least one dump");
    if (command.size() > 1 && command[0] == '-' && command != "--")
        return usageError(err, "unknown option '" + command + "'");

    size_t first = command == "--" ? 1 : 0;
    if (args.size() < first + 2)
        return usageError(err, "give a unit type and at least one dump");
    return printReports(args[first], {args.begin() + long(first) + 1, args.end()}, out, err);
}
