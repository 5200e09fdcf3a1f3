#include "framework/Accessible.h"

#include <oleacc.h>

#include <atomic>

#include "framework/ComApartment.h"
#include "framework/Control.h"
#include "framework/SystemLibrary.h"

namespace fw {

namespace {

// Interface ids written out here, so that no import library of ids is linked.
constexpr GUID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kIidAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// The accessibility library and what is taken from it, loaded at the first request from
// a reader and kept until the program ends; a program nobody reads pays nothing for it.
class TAccessibilityLibrary {
public:
    static const TAccessibilityLibrary* Get() {
        static const TAccessibilityLibrary library;
        return library.createStd && library.lresult && library.allocString ? &library : nullptr;
    }

    decltype(&CreateStdAccessibleObject) createStd = nullptr;
    decltype(&LresultFromObject) lresult = nullptr;
    decltype(&SysAllocStringLen) allocString = nullptr;

private:
    TAccessibilityLibrary() {
        const HMODULE oleacc = LoadSystemLibrary(L"oleacc.dll");
        createStd = LibraryFunction<decltype(createStd)>(oleacc, "CreateStdAccessibleObject");
        lresult = LibraryFunction<decltype(lresult)>(oleacc, "LresultFromObject");
        // The accessibility library imports it, so it is loaded already; loaded here by its
        // own name all the same, from the system folder, rather than trusting whatever
        // module of that name the process happens to hold.
        allocString =
            LibraryFunction<decltype(allocString)>(LoadSystemLibrary(L"oleaut32.dll"), "SysAllocStringLen");
    }
};

// The system's standard object for a window's client area, with the name and value of
// the window itself taken from its control whenever asked; everything else is the
// standard object's.
class TAccessibleClient final : public IAccessible {
public:
    TAccessibleClient(HWND wnd, IAccessible* standard) : wnd_(wnd), standard_(standard) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        // The standard object's other interfaces stay out: handed on, they would answer
        // for a different object.
        if (iid != kIidUnknown && iid != kIidDispatch && iid != kIidAccessible) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG refs = --refs_;
        if (refs == 0)
            delete this;
        return refs;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argError) override {
        return standard_->Invoke(id, iid, locale, flags, params, result, exception, argError);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Answer(child, &TAccessibleText::name, name, [&] { return standard_->get_accName(child, name); });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Answer(child, &TAccessibleText::value, value, [&] { return standard_->get_accValue(child, value); });
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return standard_->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    ~TAccessibleClient() { standard_->Release(); }

    // The window's own text of one kind, or the standard answer when the question is
    // about a child, the control gives no such text, or the call came on another thread
    // (the controls belong to the thread of their windows).
    template <typename Standard>
    HRESULT Answer(const VARIANT& child, std::function<std::string()> TAccessibleText::*kind, BSTR* out,
                   Standard standard) const {
        if (!out)
            return E_POINTER;
        const bool self = child.vt == VT_I4 && child.lVal == CHILDID_SELF;
        // FromHandle finds none on another thread.
        TControl* control = self ? TControl::FromHandle(wnd_) : nullptr;
        if (!control || !(control->Accessible.*kind))
            return standard();
        try {
            const std::string text = (control->Accessible.*kind)();
            *out = nullptr;
            if (text.empty())
                return S_FALSE;
            const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
            *out = TAccessibilityLibrary::Get()->allocString(nullptr, static_cast<UINT>(length));
            if (!*out)
                return E_OUTOFMEMORY;
            MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), *out, length);
            return S_OK;
        } catch (...) {
            return E_FAIL;  // nothing may leave a COM call
        }
    }

    std::atomic<ULONG> refs_{1};
    HWND wnd_;
    IAccessible* standard_;
};

}  // namespace

LRESULT AnswerAccessibleClient(HWND wnd, WPARAM flags) {
    const TAccessibilityLibrary* library = TAccessibilityLibrary::Get();
    if (!library)
        return 0;
    // In a single-threaded apartment, readers' calls arrive through the message loop, on
    // the thread that owns the windows.
    JoinComApartment();
    IAccessible* standard = nullptr;
    if (FAILED(library->createStd(wnd, OBJID_CLIENT, kIidAccessible, reinterpret_cast<void**>(&standard))) ||
        !standard)
        return 0;
    auto* client = new TAccessibleClient(wnd, standard);
    // The result holds its own reference to the object; ours ends here.
    const LRESULT result = library->lresult(kIidAccessible, flags, client);
    client->Release();
    return result > 0 ? result : 0;
}

void AddHiddenLabel(HWND control, const std::string& text) {
    HWND parent = GetParent(control);
    HWND before = GetWindow(control, GW_HWNDPREV);
    HWND label = CreateWindowExA(0, "STATIC", text.c_str(), WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, parent,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!label)
        return;  // the control keeps its other name, the one it answers itself
    SetWindowPos(label, before ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace fw
