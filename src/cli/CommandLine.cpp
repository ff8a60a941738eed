#include "cli/CommandLine.h"

#include "change/ChangeEngine.h"
#include "cli/Arguments.h"
#include "cli/ConsoleBreak.h"
#include "cli/WaitForWindow.h"
#include "cli/LogCommand.h"
#include "cli/WatchCommand.h"
#include "common/EscapedText.h"
#include "common/PngFile.h"
#include "common/ProductVersion.h"
#include "common/TextFile.h"
#include "common/TypedMessageNumber.h"
#include "common/Utf8Text.h"
#include "common/ValueFormat.h"
#include "find/WindowNaming.h"
#include "find/WindowSearch.h"
#include "inspect/WindowFacts.h"
#include "inspect/ListingCapture.h"
#include "process/ProcessList.h"
#include "select/LiveWindowHierarchy.h"
#include "select/TreeLabels.h"
#include "select/WindowNodeLook.h"
#include "sendmsg/MessageSend.h"
#include "sendmsg/ResultFormat.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <memory>
#include <span>

namespace {

using orvex::Utf8FromWide;
using Json = nlohmann::ordered_json;
using namespace orvex::cli;

std::string DumpJson(const Json& json) {
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::uint64_t HandleValue(HWND hwnd) {
    return reinterpret_cast<UINT_PTR>(hwnd);
}

std::string HandleText(HWND hwnd) {
    return Utf8FromWide(orvex::FormatPointer(HandleValue(hwnd)));
}

// A window text on one line of a table: its tabs and line breaks would split the columns.
std::wstring OnOneLine(std::wstring text) {
    std::replace_if(
        text.begin(), text.end(), [](wchar_t c) { return c < L' ' || c == 0x7F; }, L' ');
    return text;
}

std::string FoundLine(const FoundWindow& found) {
    return HandleText(found.hwnd) + "\t" + Utf8FromWide(OnOneLine(found.facts.className)) + "\t" +
           Utf8FromWide(OnOneLine(found.facts.text)) + "\t" + std::to_string(found.facts.processId) + "\t" +
           Utf8FromWide(found.imagePath) + "\n";
}

Json FoundJson(const FoundWindow& found) {
    Json item;
    item["window"] = HandleText(found.hwnd);
    item["class"] = Utf8FromWide(found.facts.className);
    item["text"] = Utf8FromWide(found.facts.text);
    item["pid"] = found.facts.processId;
    item["image"] = Utf8FromWide(found.imagePath);
    return item;
}

// The windows a target's text names; a complaint and its exit status when it names none.
struct Search {
    std::vector<FoundWindow> matches;
    int status = kExitSuccess;
};

Search SearchTarget(const std::wstring& text, TextStream& errors) {
    Search search;
    const auto parsed = orvex::ParseWindowTarget(text);
    if (const auto* error = std::get_if<orvex::TargetError>(&parsed)) {
        errors.Write("orvex: " + Utf8FromWide(error->message) + "\n");
        search.status = kExitUsage;
        return search;
    }
    search.matches = FindWindows(std::get<orvex::WindowTarget>(parsed)).matches;
    if (search.matches.empty()) {
        errors.Write("orvex: no window matches " + Utf8FromWide(text) + "\n");
        search.status = kExitNoWindow;
    }
    return search;
}

// The one window --list and --send need; several are listed so the user can pick one by handle.
HWND SingleWindow(const std::wstring& text, TextStream& errors, int& status) {
    Search search = SearchTarget(text, errors);
    status = search.status;
    if (status != kExitSuccess)
        return nullptr;
    if (search.matches.size() > 1) {
        errors.Write("orvex: " + std::to_string(search.matches.size()) + " windows match " +
                     Utf8FromWide(text) + "; name one by its handle:\n");
        for (const FoundWindow& found : search.matches)
            errors.Write(FoundLine(found));
        status = kExitNoWindow;
        return nullptr;
    }
    return search.matches.front().hwnd;
}

int List(const Invocation& invocation, std::string& result, TextStream& errors) {
    int status = kExitSuccess;
    HWND hwnd = SingleWindow(invocation.target, errors, status);
    if (!hwnd)
        return status;
    std::vector<orvex::ListingRow> rows;
    const orvex::ViewMode mode = invocation.summary ? orvex::ViewMode::Summary : orvex::ViewMode::Detail;
    // The Control Text row is waited for here, within its bound: the command line has no window of
    // its own to keep answering.
    if (!CaptureWindowListing(hwnd, mode, invocation.more, rows, ControlTextRead::Now)) {
        errors.Write("orvex: the window " + HandleText(hwnd) + " is gone\n");
        return kExitNoWindow;
    }
    result = invocation.json ? orvex::ListingJson(HandleValue(hwnd), rows)
                             : Utf8FromWide(orvex::ListingText(rows));
    return kExitSuccess;
}

int Find(const Invocation& invocation, std::string& result, TextStream& errors) {
    Search search = SearchTarget(invocation.target, errors);
    if (search.status != kExitSuccess)
        return search.status;
    if (invocation.json) {
        Json array = Json::array();
        for (const FoundWindow& found : search.matches)
            array.push_back(FoundJson(found));
        result = DumpJson(array);
    } else {
        for (const FoundWindow& found : search.matches)
            result += FoundLine(found);
    }
    return kExitSuccess;
}

int Wait(const Invocation& invocation, std::string& result, TextStream& errors) {
    const auto parsed = orvex::ParseWindowTarget(invocation.target);
    if (const auto* error = std::get_if<orvex::TargetError>(&parsed)) {
        errors.Write("orvex: " + Utf8FromWide(error->message) + "\n");
        return kExitUsage;
    }
    const WaitOutcome outcome = WaitForWindow(std::get<orvex::WindowTarget>(parsed), invocation.gone,
                                              invocation.limitMs, ConsoleBreakEvent());
    switch (outcome.status) {
    case WaitOutcome::Status::Met:
        if (outcome.found)
            result = invocation.json ? DumpJson(Json::array({FoundJson(*outcome.found)}))
                                     : FoundLine(*outcome.found);
        return kExitSuccess;
    case WaitOutcome::Status::TimedOut:
        errors.Write(
            "orvex: " + std::string(invocation.gone ? "still a window matching " : "no window matching ") +
            Utf8FromWide(invocation.target) + " after " + std::to_string(*invocation.limitMs) + " ms\n");
        return kExitTimedOut;
    case WaitOutcome::Status::Interrupted:
        break;
    }
    return kExitInterrupted;
}

int Name(const Invocation& invocation, std::string& result, TextStream& errors) {
    int status = kExitSuccess;
    HWND hwnd = SingleWindow(invocation.target, errors, status);
    if (!hwnd)
        return status;
    result = Utf8FromWide(WindowTargetName(hwnd)) + "\n";
    return kExitSuccess;
}

// The picture goes to --out itself; the only text is the stderr line saying how it was taken.
int Capture(const Invocation& invocation, TextStream& errors) {
    int status = kExitSuccess;
    HWND hwnd = SingleWindow(invocation.target, errors, status);
    if (!hwnd)
        return status;
    const auto picture = CaptureWindowPicture(hwnd, invocation.clientOnly);
    if (!picture) {
        errors.Write("orvex: the window " + HandleText(hwnd) + " has no picture (gone, or of no size)\n");
        return kExitFailed;
    }
    errors.Write(picture->fromScreen
                     ? "orvex: the screen's pixels under the window (it could not draw itself)\n"
                     : "orvex: drawn by the window (PrintWindow)\n");
    std::wstring reason;
    if (!WritePngFile(*invocation.outPath, *picture, reason)) {
        errors.Write("orvex: " + Utf8FromWide(reason) + "\n");
        return kExitOutputFile;
    }
    errors.Write("orvex: " + std::to_string(picture->width) + "x" + std::to_string(picture->height) +
                 " written to " + Utf8FromWide(*invocation.outPath) + "\n");
    return kExitSuccess;
}

// The tree the tree window shows, with its filters off, built by the same builder.
class TreeCollector final : public orvex::WindowTreeSink {
public:
    struct Node {
        std::wstring label;
        HWND window = nullptr; // null for a process
        DWORD processId = 0;
        std::vector<std::unique_ptr<Node>> children;
    };

    Node* Add(Node* parent, std::wstring label, HWND window, DWORD processId) {
        auto node = std::make_unique<Node>();
        node->label = std::move(label);
        node->window = window;
        node->processId = processId;
        parent->children.push_back(std::move(node));
        return parent->children.back().get();
    }

    orvex::TreeNode AddWindowNode(orvex::WindowId window, orvex::TreeNode parent) override {
        HWND hwnd = LiveWindowHierarchy::Handle(window);
        return reinterpret_cast<orvex::TreeNode>(
            Add(reinterpret_cast<Node*>(parent), LookOfWindowNode(hwnd).label, hwnd, 0));
    }
};

void TreeText(const TreeCollector::Node& node, int depth, std::string& result) {
    result.append(static_cast<std::size_t>(depth) * 2, ' ');
    result += Utf8FromWide(OnOneLine(node.label)) + "\n";
    for (const auto& child : node.children)
        TreeText(*child, depth + 1, result);
}

Json TreeJson(const TreeCollector::Node& node) {
    Json item;
    item["label"] = Utf8FromWide(node.label);
    if (node.window)
        item["window"] = HandleText(node.window);
    else
        item["pid"] = node.processId;
    Json children = Json::array();
    for (const auto& child : node.children)
        children.push_back(TreeJson(*child));
    item["children"] = std::move(children);
    return item;
}

int Tree(const Invocation& invocation, std::string& result) {
    TreeCollector collector;
    TreeCollector::Node top; // holds the desktop's node
    HWND desktop = ::GetDesktopWindow();
    TreeCollector::Node* root = collector.Add(&top, LookOfWindowNode(desktop).label, desktop, 0);
    LiveWindowHierarchy windows(false, false);
    orvex::WindowTreeBuilder builder(windows, collector);
    if (invocation.byProcess) {
        CProcessList processes;
        processes.Refresh();
        std::vector<const CProcess*> byId;
        for (const auto& entry : processes)
            byId.push_back(entry.second.get());
        std::sort(byId.begin(), byId.end(),
                  [](const CProcess* a, const CProcess* b) { return a->m_dwProcessId < b->m_dwProcessId; });
        for (const CProcess* process : byId) {
            TreeCollector::Node* node =
                collector.Add(root, orvex::FormatProcessLabel(process->m_dwProcessId, process->m_strName),
                              nullptr, process->m_dwProcessId);
            builder.AddProcessWindows(process->m_dwProcessId, reinterpret_cast<orvex::TreeNode>(node));
        }
    } else {
        builder.AddTopLevelWindows(reinterpret_cast<orvex::TreeNode>(root));
    }
    if (invocation.json) {
        Json tree;
        tree["format"] = "orvex-tree/1";
        tree["root"] = TreeJson(*root);
        result = DumpJson(tree);
    } else {
        TreeText(*root, 0, result);
    }
    return kExitSuccess;
}

int Send(const Invocation& invocation, std::string& result, TextStream& errors) {
    int status = kExitSuccess;
    HWND hwnd = SingleWindow(invocation.target, errors, status);
    if (!hwnd)
        return status;
    const std::optional<UINT> message = TypedMessageNumber(invocation.message);
    if (!message) {
        errors.Write("orvex: the system refused to register the message name \"" +
                     Utf8FromWide(invocation.message.registeredName) + "\"\n");
        return kExitFailed;
    }
    const SendOutcome outcome =
        SendAndWaitForReply(hwnd, *message, static_cast<WPARAM>(TypedParameter(invocation.wParam)),
                            TypedParameter(invocation.lParam), invocation.timeoutMs);
    switch (outcome.status) {
    case SendOutcome::Status::Replied:
        result = "Signed: " + Utf8FromWide(orvex::FormatSignedResult(outcome.result)) + "\nUnsigned: " +
                 Utf8FromWide(orvex::FormatUnsignedResult(static_cast<ULONG_PTR>(outcome.result))) + "\n";
        return kExitSuccess;
    case SendOutcome::Status::NoWindow:
        errors.Write("orvex: the window " + HandleText(hwnd) + " is gone\n");
        return kExitNoWindow;
    case SendOutcome::Status::Refused:
        errors.Write("orvex: the system refused to send the message (its parameters would point into Orvex's "
                     "own memory)\n");
        return kExitFailed;
    case SendOutcome::Status::TimedOut:
        errors.Write("orvex: no reply within " + std::to_string(invocation.timeoutMs) + " ms\n");
        return kExitTimedOut;
    }
    return kExitFailed;
}

// A value on the text line: a text in quotes with its control characters escaped, so that an empty
// one shows and the line stays one line.
std::string ValueText(const orvex::ChangeValue& value) {
    const std::wstring text = orvex::FormatChangeValue(value);
    return Utf8FromWide(
        value.property == orvex::ChangeProperty::Text ? L"\"" + orvex::EscapedText(text) + L"\"" : text);
}

const char* OutcomeName(ChangeOutcome::Status status) {
    switch (status) {
    case ChangeOutcome::Status::Applied:
        return "applied";
    case ChangeOutcome::Status::Refused:
        return "refused";
    case ChangeOutcome::Status::NotAnswered:
    case ChangeOutcome::Status::Busy:
        break;
    }
    return "not-answered";
}

// Every change is read before the first is made, so that a typing mistake changes nothing. The
// changes are then made in order; the first one not made ends the run, and those before it stay.
int Set(const Invocation& invocation, std::string& result, TextStream& errors) {
    int status = kExitSuccess;
    HWND hwnd = SingleWindow(invocation.target, errors, status);
    if (!hwnd)
        return status;
    const std::wstring className = WindowClassName(hwnd);
    std::vector<orvex::WindowChange> changes;
    for (std::size_t i = 0; i < invocation.changes.size(); ++i) {
        const auto parsed = orvex::ParseWindowChange(invocation.changes[i], className);
        if (const auto* error = std::get_if<orvex::ChangeError>(&parsed)) {
            errors.Write("orvex: change " + std::to_string(i + 1) + " '" +
                         Utf8FromWide(invocation.changes[i]) + "': " + Utf8FromWide(error->message) +
                         "; nothing was changed\n");
            return kExitUsage;
        }
        changes.push_back(std::get<orvex::WindowChange>(parsed));
    }
    ChangeOptions options;
    options.boundMs = invocation.timeoutMs;
    Json items = Json::array();
    std::string lines;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const ChangeOutcome outcome = ApplyWindowChange(hwnd, changes[i], options);
        const std::string typed = Utf8FromWide(invocation.changes[i]);
        Json item;
        item["change"] = typed;
        item["status"] = OutcomeName(outcome.status);
        if (outcome.status == ChangeOutcome::Status::Applied) {
            item["before"] = Utf8FromWide(orvex::FormatChangeValue(outcome.before));
            item["after"] = Utf8FromWide(orvex::FormatChangeValue(outcome.after));
            const auto restoring = orvex::RestoringChange(outcome.before);
            item["restore"] = restoring ? Json(Utf8FromWide(orvex::ChangeText(*restoring))) : Json(nullptr);
            lines += typed + ": " + ValueText(outcome.before) + " -> " + ValueText(outcome.after) + "\n";
            items.push_back(std::move(item));
            continue;
        }
        item["reason"] = Utf8FromWide(outcome.reason);
        items.push_back(std::move(item));
        lines += typed + ": " + OutcomeName(outcome.status) + ": " + Utf8FromWide(outcome.reason) + "\n";
        errors.Write("orvex: " + typed + ": " + Utf8FromWide(outcome.reason) +
                     (i + 1 < changes.size() ? " (the changes after it were not tried)\n" : "\n"));
        status = outcome.status == ChangeOutcome::Status::Refused ? kExitFailed : kExitTimedOut;
        break;
    }
    if (invocation.json) {
        Json document;
        document["format"] = "orvex-change/1";
        document["window"] = HandleText(hwnd);
        document["changes"] = std::move(items);
        result = DumpJson(document);
    } else {
        result = lines;
    }
    return status;
}

} // namespace

int RunCommandLine(const std::vector<std::wstring>& arguments, TextStream& out, TextStream& errors) {
    const auto parsed = ParseArguments(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        errors.Write("orvex: " + Utf8FromWide(error->message) + "\n" + Utf8FromWide(UsageText()));
        return kExitUsage;
    }
    const Invocation& invocation = std::get<Invocation>(parsed);
    // The commands that run until something happens take Ctrl+C from the start: pressed while the
    // target is still being looked for, it would otherwise end the process without its status.
    if (invocation.command == Command::Wait || invocation.command == Command::Log ||
        invocation.command == Command::Watch)
        ConsoleBreakEvent();
    std::string result;
    int status = kExitSuccess;
    switch (invocation.command) {
    case Command::Help:
        result = Utf8FromWide(UsageText());
        break;
    case Command::Version:
        result = Utf8FromWide(std::wstring(L"Orvex ") + ORVEX_VERSION_TEXT) + "\n";
        break;
    case Command::List:
        status = List(invocation, result, errors);
        break;
    case Command::Find:
        status = Find(invocation, result, errors);
        break;
    case Command::Tree:
        status = Tree(invocation, result);
        break;
    case Command::Send:
        status = Send(invocation, result, errors);
        break;
    case Command::Set:
        status = Set(invocation, result, errors);
        break;
    case Command::Wait:
        status = Wait(invocation, result, errors);
        break;
    case Command::Name:
        status = Name(invocation, result, errors);
        break;
    case Command::Capture:
        return Capture(invocation, errors);
    case Command::Log: {
        // Written as it arrives rather than gathered.
        HWND hwnd = SingleWindow(invocation.target, errors, status);
        return hwnd ? RunLog(invocation, hwnd, out, errors) : status;
    }
    case Command::Watch: {
        HWND hwnd = SingleWindow(invocation.target, errors, status);
        return hwnd ? RunWatch(invocation, hwnd, out, errors) : status;
    }
    }
    // --set tells which changes were made also when a later one was not.
    if (status != kExitSuccess && result.empty())
        return status;
    if (invocation.outPath) {
        if (!WriteFileWhole(*invocation.outPath, std::as_bytes(std::span(result)))) {
            errors.Write("orvex: cannot write " + Utf8FromWide(*invocation.outPath) + "\n");
            return kExitOutputFile;
        }
        return status;
    }
    return out.Write(result) ? status : kExitOutputFile;
}
