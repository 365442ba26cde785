// Reads the real Pretextor13.exe as a screen reader does, from another process: its
// accessibility tree through oleacc, and the events it raises through a global event hook.
// usage: accessibility_client PRETEXTOR_EXE SYSINFO_STUB_EXE
#include "driving.h"

#include <oleacc.h>

#include "about_window/frm_about_design.h"
#include "engine/excuse_engine.h"
#include "links/module1.h"
#include "main_window/form1_design.h"
#include "platform/forms/twips.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <exception>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace driving;

// One COM reference, released at the end of the scope.
template <typename Interface> class Held {
public:
    Held() = default;
    explicit Held(Interface* object) : object_(object) {}
    Held(const Held& other) : object_(other.object_) {
        if (object_ != nullptr) {
            object_->AddRef();
        }
    }
    Held& operator=(const Held&) = delete;
    ~Held() {
        if (object_ != nullptr) {
            object_->Release();
        }
    }
    Interface* operator->() const { return object_; }
    Interface* get() const { return object_; }
    Interface** out() { return &object_; }

private:
    Interface* object_ = nullptr;
};

VARIANT childId(LONG id) {
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

// A text that the object hands over, read and freed.
template <typename Ask> std::string askText(Ask&& ask) {
    BSTR text = nullptr;
    const HRESULT result = ask(&text);
    std::string taken = SUCCEEDED(result) && text != nullptr ? narrow(text) : std::string();
    ::SysFreeString(text);
    return taken;
}

// One node as a screen reader sees it: an object, or a simple child of one.
struct Node {
    Held<IAccessible> object;
    LONG id = CHILDID_SELF;

    [[nodiscard]] std::string name() const {
        return askText([&](BSTR* text) { return object->get_accName(childId(id), text); });
    }
    [[nodiscard]] std::string value() const {
        return askText([&](BSTR* text) { return object->get_accValue(childId(id), text); });
    }
    [[nodiscard]] std::string defaultAction() const {
        return askText([&](BSTR* text) { return object->get_accDefaultAction(childId(id), text); });
    }
    [[nodiscard]] LONG role() const {
        VARIANT role{};
        return SUCCEEDED(object->get_accRole(childId(id), &role)) && role.vt == VT_I4 ? role.lVal
                                                                                      : -1;
    }
    [[nodiscard]] LONG state() const {
        VARIANT state{};
        return SUCCEEDED(object->get_accState(childId(id), &state)) && state.vt == VT_I4
                   ? state.lVal
                   : -1;
    }
    [[nodiscard]] bool invisible() const { return (state() & STATE_SYSTEM_INVISIBLE) != 0; }
    [[nodiscard]] HRESULT doDefaultAction() const {
        return object->accDoDefaultAction(childId(id));
    }
};

Held<IAccessible> clientObject(HWND window) {
    Held<IAccessible> object;
    // __uuidof: with the static import library, IID_IAccessible can come out wrong.
    const HRESULT result =
        ::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                     __uuidof(IAccessible), reinterpret_cast<void**>(object.out()));
    expect(SUCCEEDED(result) && object.get() != nullptr, "the window hands out an object");
    return object;
}

// The window's children, as AccessibleChildren lists them.
std::vector<Node> children(HWND window) {
    const Held<IAccessible> parent = clientObject(window);
    LONG count = 0;
    parent->get_accChildCount(&count);
    std::vector<VARIANT> items(static_cast<std::size_t>(count));
    LONG obtained = 0;
    ::AccessibleChildren(parent.get(), 0, count, items.data(), &obtained);
    std::vector<Node> nodes;
    for (LONG i = 0; i < obtained; ++i) {
        VARIANT& item = items[static_cast<std::size_t>(i)];
        if (item.vt == VT_DISPATCH && item.pdispVal != nullptr) {
            Node node;
            item.pdispVal->QueryInterface(__uuidof(IAccessible),
                                          reinterpret_cast<void**>(node.object.out()));
            if (node.object.get() != nullptr) {
                nodes.push_back(node);
            }
        } else if (item.vt == VT_I4) {
            nodes.push_back({parent, item.lVal});
        }
        ::VariantClear(&item);
    }
    return nodes;
}

std::optional<Node> lookup(const std::vector<Node>& nodes, const std::string& name, LONG role) {
    for (const Node& node : nodes) {
        if (node.name() == name && node.role() == role) {
            return node;
        }
    }
    return std::nullopt;
}

Node find(const std::vector<Node>& nodes, const std::string& name, LONG role) {
    if (auto node = lookup(nodes, name, role)) {
        return *node;
    }
    std::string present;
    for (const Node& node : nodes) {
        present.append(" \"").append(node.name()).append("\"/").append(std::to_string(node.role()));
    }
    throw Failure("no node \"" + name + "\" of role " + std::to_string(role) + "; the tree holds" +
                  present);
}

HWND windowOf(const Node& node) {
    HWND window = nullptr;
    ::WindowFromAccessibleObject(node.object.get(), &window);
    return window;
}

// What the global hook heard, in order.
struct Heard {
    DWORD event;
    HWND window;
    LONG object;
    LONG child;
};
std::vector<Heard> heard;

void CALLBACK listen(HWINEVENTHOOK /*hook*/, DWORD event, HWND window, LONG object, LONG child,
                     DWORD /*thread*/, DWORD /*time*/) {
    heard.push_back({event, window, object, child});
}

std::vector<Heard> heardOf(DWORD event) {
    std::vector<Heard> found;
    std::ranges::copy_if(heard, std::back_inserter(found),
                         [&](const Heard& h) { return h.event == event; });
    return found;
}

// The shell's web and mail handlers, replaced by a program that writes down its command line;
// the prefix's own handlers come back at the end.
class RecordingShell {
public:
    RecordingShell(const std::wstring& stub)
        : handler_(stubWithSpaces(stub, L"Pretextor Links", L"browser stub.exe")) {
        for (const wchar_t* scheme : {L"http", L"mailto"}) {
            replace(scheme, L"\"" + handler_ + L"\" \"%1\"");
        }
    }
    RecordingShell(const RecordingShell&) = delete;
    RecordingShell& operator=(const RecordingShell&) = delete;
    ~RecordingShell() {
        for (const auto& [key, value] : saved_) {
            writeRegistry(key, nullptr, value);
        }
    }

    void forget() const { ::DeleteFileW(record().c_str()); }
    // The command line the handler was started with, or "" while it has not run.
    [[nodiscard]] std::string started() const { return narrow(readWide(record())); }

private:
    [[nodiscard]] std::wstring record() const { return handler_ + L".ran"; }

    void replace(const std::wstring& scheme, const std::wstring& command) {
        const std::wstring key = L"SOFTWARE\\Classes\\" + scheme + L"\\shell\\open\\command";
        std::wstring old(1024, L'\0');
        DWORD size = static_cast<DWORD>(old.size() * sizeof(wchar_t));
        if (::RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr,
                           old.data(), &size) == ERROR_SUCCESS) {
            old.resize(size / sizeof(wchar_t) - 1);
            saved_.emplace(key, old);
        }
        // A DDE conversation would go to the old handler instead.
        ::RegDeleteTreeW(HKEY_LOCAL_MACHINE,
                         (L"SOFTWARE\\Classes\\" + scheme + L"\\shell\\open\\ddeexec").c_str());
        writeRegistry(key, nullptr, command);
    }

    std::wstring handler_;
    std::map<std::wstring, std::wstring> saved_;
};

HWND shown(std::string_view caption) {
    const HWND window = shownWindow(caption);
    expect(window != nullptr, "\"" + std::string(caption) + "\" shows");
    return window;
}

const platform::ControlDesign& designOf(const platform::WindowDesign& window,
                                        std::string_view name) {
    return platform::findControl(window, name);
}

// Each link by its design, with what a click on it hands to the shell.
void checkLinks(const std::vector<Node>& tree, const platform::WindowDesign& window,
                const std::map<std::string_view, std::string>& targets,
                const RecordingShell& shell) {
    for (const auto& [name, target] : targets) {
        const std::string caption(designOf(window, name).text);
        const Node link = find(tree, caption, ROLE_SYSTEM_LINK);
        expect(link.defaultAction() == "Jump", std::string(name) + " is a link that jumps");
        expect((link.state() & STATE_SYSTEM_FOCUSABLE) == 0,
               std::string(name) + " stays out of the tab order");
        shell.forget();
        expect(SUCCEEDED(link.doDefaultAction()), std::string(name) + " takes its action");
        waitFor([&] { return !shell.started().empty(); });
        const std::string line = shell.started();
        expect(line.ends_with("\"" + target + "\""),
               std::string(name) + " opens " + target + " (the handler got " + line + ")");
    }
}

// Twips as the program places them at the 96 dpi this client runs at.
int pixels(int twips) {
    return platform::twipsToPixels(twips, 96);
}

// A control of the main window, found where the design puts it.
HWND controlOf(HWND main, std::string_view name) {
    const platform::TwipRect& rect = designOf(pretextor::form1Design(), name).rect;
    POINT centre{pixels(rect.left + rect.width / 2), pixels(rect.top + rect.height / 2)};
    return ::ChildWindowFromPointEx(main, centre, CWP_SKIPINVISIBLE);
}

// The excuse labels ls1..ls4.
std::vector<HWND> excuseLabels(HWND main) {
    std::vector<HWND> labels;
    for (const char* name : {"ls1", "ls2", "ls3", "ls4"}) {
        labels.push_back(controlOf(main, name));
    }
    return labels;
}

// Whether this Wine has UI Automation's notification event, asked as the program asks it. Where it
// does, the program raises that instead; Wine's own is a stub that no client can hear.
bool notifiesByUiAutomation() {
    const HMODULE module =
        ::LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module == nullptr) {
        return false;
    }
    using ClientsAreListening = BOOL(WINAPI*)();
    const auto listening = reinterpret_cast<ClientsAreListening>(
        reinterpret_cast<void (*)()>(::GetProcAddress(module, "UiaClientsAreListening")));
    const bool present = ::GetProcAddress(module, "UiaRaiseNotificationEvent") != nullptr &&
                         listening != nullptr && listening() != FALSE;
    ::FreeLibrary(module);
    return present;
}

// After a draw: a screen reader is told the excuse once, as the labels show it in reading order,
// on the object with the keyboard focus; or, where the program raises UI Automation's notification
// instead, not a second time through a description.
void checkExcuseIsSpoken(HWND main, bool byUiAutomation, const std::string& draw) {
    const auto described = [&] {
        std::vector<Heard> found;
        std::ranges::copy_if(
            heardOf(EVENT_OBJECT_DESCRIPTIONCHANGE), std::back_inserter(found),
            [&](const Heard& h) { return ::GetAncestor(h.window, GA_ROOT) == main; });
        return found;
    };
    waitFor([&] { return !described().empty(); }, byUiAutomation ? 300ms : 10s);
    waitFor([] { return false; }, 300ms); // room for a repeat, should one come
    const std::vector<Heard> told = described();
    if (byUiAutomation) {
        expect(told.empty(), draw + ": told through UI Automation alone, not as a description");
        return;
    }
    expect(told.size() == 1,
           draw + ": one description change tells of it (" + std::to_string(told.size()) + ")");
    std::string excuse;
    for (HWND label : excuseLabels(main)) {
        const std::string word = textOf(label);
        excuse += word.empty() || excuse.empty() ? word : " " + word;
    }
    GUITHREADINFO focus{.cbSize = sizeof(GUITHREADINFO)};
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(main, nullptr), &focus);
    const Heard& change = told.front();
    expect(change.window == (focus.hwndFocus != nullptr ? focus.hwndFocus : main),
           draw + ": on the object with the keyboard focus");
    Held<IAccessible> object;
    VARIANT child{};
    ::AccessibleObjectFromEvent(change.window, static_cast<DWORD>(change.object),
                                static_cast<DWORD>(change.child), object.out(), &child);
    expect(object.get() != nullptr, draw + ": whose object is there");
    const Node node{object, child.vt == VT_I4 ? child.lVal : CHILDID_SELF};
    const std::string description = askText(
        [&](BSTR* text) { return node.object->get_accDescription(childId(node.id), text); });
    expect(description == excuse,
           draw + ": described as \"" + description + "\", the labels read \"" + excuse + "\"");
}

void checkNewExcuseIsHeard(HWND main, const std::function<void()>& draw) {
    const std::vector<HWND> labels = excuseLabels(main);
    heard.clear();
    draw();
    std::map<HWND, int> renamed;
    waitFor([&] {
        renamed.clear();
        for (const Heard& h : heardOf(EVENT_OBJECT_NAMECHANGE)) {
            renamed[h.window] += h.object == OBJID_CLIENT ? 1 : 0;
        }
        return std::ranges::all_of(labels, [&](HWND label) { return renamed[label] > 0; });
    });
    waitFor([] { return false; }, 300ms); // room for a repeat, should one come
    std::vector<std::string> words;
    for (HWND label : labels) {
        expect(renamed[label] == 1, "the label now reading \"" + textOf(label) +
                                        "\" tells of it, once (" + std::to_string(renamed[label]) +
                                        ")");
        Held<IAccessible> object;
        VARIANT child{};
        ::AccessibleObjectFromEvent(label, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                    object.out(), &child);
        const Node node{object, child.vt == VT_I4 ? child.lVal : CHILDID_SELF};
        expect(node.name() == textOf(label), "and its object is named \"" + node.name() + "\"");
        words.push_back(node.name());
    }
    expect(formAnExcuse(words), "the four names are a new excuse");
}

// Where the bar is, as a screen reader asks for it.
RECT placeOf(const Node& node) {
    LONG left = 0;
    LONG top = 0;
    LONG width = 0;
    LONG height = 0;
    node.object->accLocation(&left, &top, &width, &height, childId(node.id));
    return {left, top, left + width, top + height};
}

// One slow draw. Its start and the bar's place are checked on every draw; when fewer than three of
// the bar's values could be read and this is not the last try, it returns false before the rise
// of the value and the events are checked, for a draw read more often.
bool checkSlowDraw(HWND main, const Node& bar, const Node& calculate, bool lastTry) {
    heard.clear();
    const HWND button = controlOf(main, "Command1");
    expect(SUCCEEDED(calculate.doDefaultAction()), "a slow draw starts");
    waitFor([&] { return !bar.invisible(); }, 5s);
    expect(!bar.invisible(), "the progress bar is in the tree while it is shown");
    expect(bar.role() == ROLE_SYSTEM_PROGRESSBAR, "with the progress bar role");
    const platform::WindowDesign& form1 = pretextor::form1Design();
    const platform::TwipRect& drawn = designOf(form1, "Shape1").rect;
    const LONG frame = pixels(designOf(form1, designOf(form1, "Shape1").progressFrame).rect.width);
    POINT origin{0, 0};
    ::ClientToScreen(main, &origin);
    bool placed = false;
    // Each value with the bar's widths read just before and just after it: the bar grows at every
    // tick, so the value is the share of a width between the two. Two reads a round, each a round
    // trip to the program, leave the most rounds to a draw that lasts a few dozen ticks.
    struct Read {
        int percent;
        LONG before, after;
    };
    std::vector<Read> reads;
    LONG before = 0;
    while (true) {
        const std::string value = bar.value();
        const RECT area = placeOf(bar);
        const LONG width = area.right - area.left;
        VARIANT hit{};
        if (width > 1 && !placed) {
            bar.object->accHitTest((area.left + area.right) / 2, (area.top + area.bottom) / 2,
                                   &hit);
        }
        // The button comes back before the bar goes: once it shows, what was read may belong to
        // the hidden bar.
        if (::IsWindowVisible(button) != FALSE) {
            break;
        }
        if (width > 1 && !placed) {
            placed = true;
            expect(area.left == origin.x + pixels(drawn.left) &&
                       area.top == origin.y + pixels(drawn.top) &&
                       area.bottom - area.top == pixels(drawn.height),
                   "it is where it is drawn, " + std::to_string(width) + " pixels wide");
            expect(hit.vt == VT_I4 && hit.lVal == bar.id, "and a point on it finds it");
        }
        if (!value.empty() && value.back() == '%') {
            reads.push_back({std::stoi(value), before, width});
        }
        before = width;
    }
    std::string seen;
    std::vector<int> values;
    for (const Read& read : reads) {
        if (values.empty() || values.back() != read.percent) {
            values.push_back(read.percent);
            seen.append(" ")
                .append(std::to_string(read.percent))
                .append("% at ")
                .append(std::to_string(read.before))
                .append(read.before == read.after ? "" : "-" + std::to_string(read.after));
        }
    }
    if (values.size() < 3 && !lastTry) {
        return false;
    }
    expect(placed, "the bar was seen wide enough to be placed");
    expect(values.size() >= 3 && std::ranges::is_sorted(values),
           "its value rises through the draw (frame " + std::to_string(frame) + ", " +
               std::to_string(reads.size()) + " reads):" + seen);
    // The covered share of the frame, to a pixel's rounding; full only once the bar overruns it.
    const auto share = [&](LONG width) { return 100.0 * std::min(width, frame) / frame; };
    const double rounding = 100.0 / frame + 0.5;
    expect(std::ranges::all_of(reads,
                               [&](const Read& read) {
                                   return read.percent >= share(read.before) - rounding &&
                                          read.percent <= share(read.after) + rounding &&
                                          (read.percent < 100 || read.after >= frame) &&
                                          (read.percent == 100 || read.before < frame);
                               }),
           "each value is the share of the frame the bar covers");
    const auto fromTheBar = [&](DWORD event) {
        return std::ranges::count_if(heardOf(event), [&](const Heard& h) {
            return h.window == main && h.object == OBJID_CLIENT && h.child == bar.id;
        });
    };
    // Other controls' hides are heard too: wait for the bar's own.
    waitFor([&] { return fromTheBar(EVENT_OBJECT_HIDE) >= 1; });
    expect(fromTheBar(EVENT_OBJECT_SHOW) == 1 && fromTheBar(EVENT_OBJECT_HIDE) == 1,
           "it tells when it appears and when it goes");
    expect(fromTheBar(EVENT_OBJECT_VALUECHANGE) >= 22,
           "and its value at each tick (" + std::to_string(fromTheBar(EVENT_OBJECT_VALUECHANGE)) +
               " changes)");
    return true;
}

// A read is a round trip to the program, which under Wine now and then lasts several ticks: a
// draw read too seldom to show its rise is drawn again.
void checkSlowDraws(HWND main, const Node& bar, const Node& calculate) {
    for (int draw = 1; !checkSlowDraw(main, bar, calculate, draw == 4); ++draw) {
        std::printf("note a slow draw read too seldom (%d)\n", draw);
    }
}

// Each word list is a list whose items are its words, those scrolled out of view off screen.
void checkWordLists(const std::vector<Node>& tree, const platform::WindowDesign& form1) {
    for (const platform::ControlDesign& control : form1.controls) {
        if (control.kind != platform::ControlKind::ListBox) {
            continue;
        }
        const Node list = find(tree, std::string(control.accessibleName), ROLE_SYSTEM_LIST);
        expect(windowOf(list) != nullptr,
               std::string(control.name) + " is the list \"" + list.name() + "\"");
        const auto& words =
            engine::wordLists().at(static_cast<std::size_t>(control.name.back() - '1')).words;
        LONG count = 0;
        list.object->get_accChildCount(&count);
        std::vector<std::string> items;
        for (LONG id = 1; id <= count; ++id) {
            const Node item{list.object, id};
            items.push_back(item.role() == ROLE_SYSTEM_LISTITEM ? item.name() : "?");
        }
        const auto offscreen = [&](LONG id) {
            return (Node{list.object, id}.state() & STATE_SYSTEM_OFFSCREEN) != 0;
        };
        // About nine words fit in a list's height: List4's five all show, the others scroll.
        expect(!offscreen(1) && offscreen(count) == (count > 9),
               "the words in view are on screen, those scrolled away are not");
        expect(std::ranges::equal(items, words),
               "with its " + std::to_string(words.size()) + " words as items");
    }
}

// Fast draws, by the button's default action and by a click on the title, each heard and spoken.
void checkFastDrawsAreHeard(HWND main, const Node& fast, const Node& calculate,
                            bool byUiAutomation) {
    expect(fast.defaultAction() == "Check" && SUCCEEDED(fast.doDefaultAction()),
           "\"Fast Refesh\" is checked through its default action");
    expect(waitFor([&] { return (fast.state() & STATE_SYSTEM_CHECKED) != 0; }),
           "and says it is checked");
    checkNewExcuseIsHeard(main, [&] {
        expect(SUCCEEDED(calculate.doDefaultAction()), "\"Calculate an Excuse!\" is pressed");
    });
    checkExcuseIsSpoken(main, byUiAutomation, "a fast draw");
    // As a click on the title arrives.
    const HWND title = controlOf(main, "Label1");
    checkNewExcuseIsHeard(main, [&] {
        ::PostMessageW(main, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(title), STN_CLICKED),
                       reinterpret_cast<LPARAM>(title));
    });
    checkExcuseIsSpoken(main, byUiAutomation, "a click on the title");

    expect(SUCCEEDED(fast.doDefaultAction()) &&
               waitFor([&] { return (fast.state() & STATE_SYSTEM_CHECKED) == 0; }),
           "\"Fast Refesh\" is unchecked again");
}

// About, pressed through the main window's tree: its picture and its four links.
HWND aboutShowsItsLinks(const std::vector<Node>& tree, const platform::WindowDesign& form1,
                        const RecordingShell& shell) {
    expect(
        SUCCEEDED(find(tree, std::string(designOf(form1, "Command2").text), ROLE_SYSTEM_PUSHBUTTON)
                      .doDefaultAction()),
        "\"About\" is pressed");
    const HWND about = shown(pretextor::aboutCaption());
    const std::vector<Node> aboutTree = children(about);
    const platform::WindowDesign& frmAbout = pretextor::frmAboutDesign();
    const std::string pictureName(designOf(frmAbout, "picIcon").accessibleName);
    expect(lookup(aboutTree, pictureName, ROLE_SYSTEM_GRAPHIC).has_value(),
           "the picture is a graphic named \"" + pictureName + "\"");
    using namespace pretextor::Module1;
    checkLinks(aboutTree, frmAbout,
               {{"Label1", std::string(ExcuseBoardPageUrl)},
                {"Label3", std::string(StoriesPageUrl)},
                {"Label4", std::string(HomePageUrl)},
                {"Label5", "mailto:" + std::string(AuthorMailAddress)}},
               shell);
    return about;
}

// With the message box up, what the user could not click no one may act on: no default action
// offered or taken, the standard object never asked. Once it goes, the actions work again.
void checkRefusedUnderTheBox(HWND main, HWND about, const Node& fast, const Node& calculate) {
    std::string caption(designOf(pretextor::frmAboutDesign(), "cmdSysInfo").text);
    std::erase(caption, '&');
    const Node sysInfo = find(children(about), caption, ROLE_SYSTEM_PUSHBUTTON);
    expect(SUCCEEDED(sysInfo.doDefaultAction()), "\"System Info...\" is pressed");
    HWND box = nullptr;
    expect(waitFor([&] { return (box = messageBox()) != nullptr; }),
           "with no tool registered, the message box opens");
    waitFor([&] { return ::IsWindowEnabled(main) == FALSE; });
    for (const Node* node : {&fast, &calculate, &sysInfo}) {
        expect(node->defaultAction().empty(), node->name() + " offers no default action");
        expect(node->doDefaultAction() == DISP_E_MEMBERNOTFOUND,
               node->name() + "'s default action is refused");
        expect((node->state() & STATE_SYSTEM_UNAVAILABLE) != 0, node->name() + " is unavailable");
    }
    expect(!waitFor([&] { return (fast.state() & STATE_SYSTEM_CHECKED) != 0; }, 500ms),
           "and \"Fast Refesh\" stays unchecked");
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    expect(waitFor([&] { return ::IsWindowEnabled(main) != FALSE; }, 2s), "the box goes");
    expect(fast.defaultAction() == "Check", "and \"Fast Refesh\" offers its action again");
}

void run(const std::wstring& exe, const std::wstring& stub) {
    const RecordingShell shell(stub);
    const HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_SHOW, EVENT_OBJECT_VALUECHANGE,
                                                 nullptr, listen, 0, 0, WINEVENT_OUTOFCONTEXT);
    expect(hook != nullptr, "a global event hook listens");

    const Program program(exe);
    const platform::WindowDesign& form1 = pretextor::form1Design();
    const HWND main = shown(form1.caption);
    const std::vector<Node> tree = children(main);
    checkWordLists(tree, form1);
    const Node bar =
        find(tree, std::string(designOf(form1, "Shape1").accessibleName), ROLE_SYSTEM_PROGRESSBAR);
    expect(bar.invisible(), "the progress bar is there, invisible while idle");
    const Node calculate =
        find(tree, std::string(designOf(form1, "Command1").text), ROLE_SYSTEM_PUSHBUTTON);
    const Node fast =
        find(tree, std::string(designOf(form1, "Check1").text), ROLE_SYSTEM_CHECKBUTTON);
    const bool byUiAutomation = notifiesByUiAutomation();
    checkFastDrawsAreHeard(main, fast, calculate, byUiAutomation);
    checkSlowDraws(main, bar, calculate);
    checkExcuseIsSpoken(main, byUiAutomation, "a slow draw");
    checkLinks(tree, form1, {{"Label2", std::string(pretextor::Module1::StoriesPageUrl)}}, shell);

    const HWND about = aboutShowsItsLinks(tree, form1, shell);
    checkRefusedUnderTheBox(main, about, fast, calculate);
    ::PostMessageW(about, WM_CLOSE, 0, 0);
    ::PostMessageW(main, WM_CLOSE, 0, 0);
    expect(program.endsCleanly(), "the program ends, with status 0");
    ::UnhookWinEvent(hook);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        return 2;
    }
    const int status = drive(argc >= 3, "accessibility_client PRETEXTOR_EXE SYSINFO_STUB_EXE",
                             [&] { run(argv[1], argv[2]); });
    ::CoUninitialize();
    return status;
}
