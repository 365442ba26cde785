#pragma once

#include "control.h"
#include "platform/forms/controls.h"

#include <cstdint>
#include <optional>

// A list box's words as its items, as Windows' own list boxes offer them.
namespace platform::win32 {

class ListAccessible final : public ControlAccessible {
public:
    using ControlAccessible::ControlAccessible;

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    // The list's value is its selected word, as a screen reader reads it on arrival.
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override;

private:
    [[nodiscard]] ListBox& list() const;

    // The item a child id stands for: ids 1 to the item count, the items from the top.
    [[nodiscard]] std::optional<std::int16_t> item(const VARIANT& child) const;
};

} // namespace platform::win32
