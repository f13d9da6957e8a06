// pages/check_list_accessibility.cpp
#include "pages/check_list_accessibility.h"

#include "pages/check_list_box.h"

namespace {

const MSAAPROPID kAnnotated[] = {PROPID_ACC_ROLE, PROPID_ACC_STATE};

}  // namespace

CheckListAccessibility::CheckListAccessibility(const CheckListBox& list) : list_(list) {
    // Without it (a failure leaves the pointer empty) the list is read as a plain list.
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     services_.OutVoid());
}

CheckListAccessibility::~CheckListAccessibility() {
    Stop();
}

void CheckListAccessibility::Start(HWND listBox) {
    Stop();
    if (services_.Get() == nullptr) {
        return;
    }
    if (SUCCEEDED(services_->SetHwndPropServer(listBox, OBJID_CLIENT, CHILDID_SELF, kAnnotated, 2,
                                               this, ANNO_CONTAINER))) {
        listBox_ = listBox;
    }
}

void CheckListAccessibility::Stop() {
    if (listBox_ != nullptr) {
        services_->ClearHwndProps(listBox_, OBJID_CLIENT, CHILDID_SELF, kAnnotated, 2);
        listBox_ = nullptr;
    }
}

void CheckListAccessibility::StateChanged(int line) const {
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, list_.Handle(), OBJID_CLIENT, line + 1);
}

HRESULT STDMETHODCALLTYPE CheckListAccessibility::QueryInterface(REFIID id, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IAccPropServer)) {
        *object = static_cast<IAccPropServer*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE CheckListAccessibility::GetPropValue(const BYTE* identity,
                                                               DWORD identityLength,
                                                               MSAAPROPID property, VARIANT* value,
                                                               BOOL* hasProperty) {
    *hasProperty = FALSE;
    value->vt = VT_EMPTY;
    HWND window = nullptr;
    DWORD object = 0;
    DWORD child = 0;
    if (services_.Get() == nullptr ||
        FAILED(services_->DecomposeHwndIdentityString(identity, identityLength, &window, &object,
                                                      &child)) ||
        window != list_.Handle() || child == CHILDID_SELF) {
        return S_OK;  // the list itself keeps its own role and state
    }
    const int line = static_cast<int>(child) - 1;
    if (line >= list_.LineCount()) {
        return S_OK;
    }
    value->vt = VT_I4;
    if (IsEqualGUID(property, PROPID_ACC_ROLE)) {
        value->lVal = ROLE_SYSTEM_CHECKBUTTON;
    } else {
        const bool focused = GetFocus() == list_.Handle() && list_.FocusedLine() == line;
        value->lVal = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE |
                      (list_.IsChecked(line) ? STATE_SYSTEM_CHECKED : 0) |
                      (list_.Selection() == line ? STATE_SYSTEM_SELECTED : 0) |
                      (focused ? STATE_SYSTEM_FOCUSED : 0);
    }
    *hasProperty = TRUE;
    return S_OK;
}
