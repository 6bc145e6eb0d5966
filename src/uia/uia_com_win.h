#pragma once
// The UI Automation client interfaces this program calls, declared from Microsoft's
// documentation (mingw-w64's uiautomation.h does not compile as C++). Only the methods called
// here carry their signatures; every other slot keeps its place as an "unused_" entry so that
// the vtable offsets stay right. Trailing methods after the last one used are left out.
#include <windows.h>
#include <unknwn.h>

namespace uia_com {

// {FF48DBA4-60EF-4201-AA87-54103EEF594E}
inline constexpr CLSID CLSID_CUIAUTOMATION = {0xff48dba4, 0x60ef, 0x4201, {0xaa, 0x87, 0x54, 0x10, 0x3e, 0xef, 0x59, 0x4e}};
// {30CBE57D-D9D0-452A-AB13-7AC5AC4825EE}
inline constexpr IID IID_IUIAUTOMATION = {0x30cbe57d, 0xd9d0, 0x452a, {0xab, 0x13, 0x7a, 0xc5, 0xac, 0x48, 0x25, 0xee}};
// {34723AFF-0C9D-49D0-9896-7AB52DF8CD8A}
inline constexpr IID IID_IUIAUTOMATION2 = {0x34723aff, 0x0c9d, 0x49d0, {0x98, 0x96, 0x7a, 0xb5, 0x2d, 0xf8, 0xcd, 0x8a}};
// {D22108AA-8AC5-49A5-837B-37BBB3D7591E}
inline constexpr IID IID_IUIAUTOMATION_ELEMENT = {0xd22108aa, 0x8ac5, 0x49a5, {0x83, 0x7b, 0x37, 0xbb, 0xb3, 0xd7, 0x59, 0x1e}};
// {14314595-B4BC-4055-95F2-58F2E42C9855}
inline constexpr IID IID_IUIAUTOMATION_ELEMENT_ARRAY = {0x14314595, 0xb4bc, 0x4055, {0x95, 0xf2, 0x58, 0xf2, 0xe4, 0x2c, 0x98, 0x55}};
// {B32A92B5-BC25-4078-9C08-D7EE95C48E03}
inline constexpr IID IID_IUIAUTOMATION_CACHE_REQUEST = {0xb32a92b5, 0xbc25, 0x4078, {0x9c, 0x08, 0xd7, 0xee, 0x95, 0xc4, 0x8e, 0x03}};
// {4042C624-389C-4AFC-A630-9DF854A541FC}
inline constexpr IID IID_IUIAUTOMATION_TREE_WALKER = {0x4042c624, 0x389c, 0x4afc, {0xa6, 0x30, 0x9d, 0xf8, 0x54, 0xa5, 0x41, 0xfc}};
// {352FFBA8-0973-437C-A61F-F64CAFD81DF9}
inline constexpr IID IID_IUIAUTOMATION_CONDITION = {0x352ffba8, 0x0973, 0x437c, {0xa6, 0x1f, 0xf6, 0x4c, 0xaf, 0xd8, 0x1d, 0xf9}};

inline constexpr int UIA_BOUNDING_RECTANGLE_PROPERTY_ID = 30001;
inline constexpr int UIA_IS_OFFSCREEN_PROPERTY_ID = 30022;
inline constexpr int TREE_SCOPE_CHILDREN = 2;

struct IUIAutomationElement;
struct IUIAutomationElementArray;
struct IUIAutomationCacheRequest;
struct IUIAutomationTreeWalker;

// Slot numbers count IUnknown's three methods.
struct IUIAutomationCondition : public IUnknown {};

struct IUIAutomationCacheRequest : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE AddProperty(int property_id) = 0;  // 3
};

struct IUIAutomationElementArray : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE get_Length(int* length) = 0;  // 3
    virtual HRESULT STDMETHODCALLTYPE GetElement(int index, IUIAutomationElement** element) = 0;  // 4
};

struct IUIAutomationTreeWalker : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE unused_GetParentElement() = 0;  // 3
    virtual HRESULT STDMETHODCALLTYPE unused_GetFirstChildElement() = 0;  // 4
    virtual HRESULT STDMETHODCALLTYPE unused_GetLastChildElement() = 0;  // 5
    virtual HRESULT STDMETHODCALLTYPE unused_GetNextSiblingElement() = 0;  // 6
    virtual HRESULT STDMETHODCALLTYPE unused_GetPreviousSiblingElement() = 0;  // 7
    virtual HRESULT STDMETHODCALLTYPE unused_NormalizeElement() = 0;  // 8
    virtual HRESULT STDMETHODCALLTYPE GetParentElementBuildCache(IUIAutomationElement* element, IUIAutomationCacheRequest* cache_request, IUIAutomationElement** parent) = 0;  // 9
};

struct IUIAutomationElement : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE unused_SetFocus() = 0;  // 3
    virtual HRESULT STDMETHODCALLTYPE unused_GetRuntimeId() = 0;  // 4
    virtual HRESULT STDMETHODCALLTYPE unused_FindFirst() = 0;  // 5
    virtual HRESULT STDMETHODCALLTYPE unused_FindAll() = 0;  // 6
    virtual HRESULT STDMETHODCALLTYPE unused_FindFirstBuildCache() = 0;  // 7
    virtual HRESULT STDMETHODCALLTYPE FindAllBuildCache(int scope, IUIAutomationCondition* condition, IUIAutomationCacheRequest* cache_request, IUIAutomationElementArray** found) = 0;  // 8
    virtual HRESULT STDMETHODCALLTYPE unused_BuildUpdatedCache() = 0;  // 9
    virtual HRESULT STDMETHODCALLTYPE unused_GetCurrentPropertyValue() = 0;  // 10
    virtual HRESULT STDMETHODCALLTYPE unused_GetCurrentPropertyValueEx() = 0;  // 11
    virtual HRESULT STDMETHODCALLTYPE unused_GetCachedPropertyValue() = 0;  // 12
    virtual HRESULT STDMETHODCALLTYPE unused_GetCachedPropertyValueEx() = 0;  // 13
    virtual HRESULT STDMETHODCALLTYPE unused_GetCurrentPatternAs() = 0;  // 14
    virtual HRESULT STDMETHODCALLTYPE unused_GetCachedPatternAs() = 0;  // 15
    virtual HRESULT STDMETHODCALLTYPE unused_GetCurrentPattern() = 0;  // 16
    virtual HRESULT STDMETHODCALLTYPE unused_GetCachedPattern() = 0;  // 17
    virtual HRESULT STDMETHODCALLTYPE unused_GetCachedParent() = 0;  // 18
    virtual HRESULT STDMETHODCALLTYPE unused_GetCachedChildren() = 0;  // 19
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentProcessId() = 0;  // 20
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentControlType() = 0;  // 21
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentLocalizedControlType() = 0;  // 22
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentName() = 0;  // 23
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentAcceleratorKey() = 0;  // 24
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentAccessKey() = 0;  // 25
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentHasKeyboardFocus() = 0;  // 26
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentIsKeyboardFocusable() = 0;  // 27
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentIsEnabled() = 0;  // 28
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentAutomationId() = 0;  // 29
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentClassName() = 0;  // 30
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentHelpText() = 0;  // 31
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentCulture() = 0;  // 32
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentIsControlElement() = 0;  // 33
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentIsContentElement() = 0;  // 34
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentIsPassword() = 0;  // 35
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentNativeWindowHandle() = 0;  // 36
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentItemType() = 0;  // 37
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentIsOffscreen() = 0;  // 38
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentOrientation() = 0;  // 39
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentFrameworkId() = 0;  // 40
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentIsRequiredForForm() = 0;  // 41
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentItemStatus() = 0;  // 42
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentBoundingRectangle() = 0;  // 43
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentLabeledBy() = 0;  // 44
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentAriaRole() = 0;  // 45
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentAriaProperties() = 0;  // 46
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentIsDataValidForForm() = 0;  // 47
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentControllerFor() = 0;  // 48
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentDescribedBy() = 0;  // 49
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentFlowsTo() = 0;  // 50
    virtual HRESULT STDMETHODCALLTYPE unused_get_CurrentProviderDescription() = 0;  // 51
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedProcessId() = 0;  // 52
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedControlType() = 0;  // 53
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedLocalizedControlType() = 0;  // 54
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedName() = 0;  // 55
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedAcceleratorKey() = 0;  // 56
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedAccessKey() = 0;  // 57
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedHasKeyboardFocus() = 0;  // 58
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedIsKeyboardFocusable() = 0;  // 59
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedIsEnabled() = 0;  // 60
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedAutomationId() = 0;  // 61
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedClassName() = 0;  // 62
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedHelpText() = 0;  // 63
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedCulture() = 0;  // 64
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedIsControlElement() = 0;  // 65
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedIsContentElement() = 0;  // 66
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedIsPassword() = 0;  // 67
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedNativeWindowHandle() = 0;  // 68
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedItemType() = 0;  // 69
    virtual HRESULT STDMETHODCALLTYPE get_CachedIsOffscreen(BOOL* offscreen) = 0;  // 70
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedOrientation() = 0;  // 71
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedFrameworkId() = 0;  // 72
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedIsRequiredForForm() = 0;  // 73
    virtual HRESULT STDMETHODCALLTYPE unused_get_CachedItemStatus() = 0;  // 74
    virtual HRESULT STDMETHODCALLTYPE get_CachedBoundingRectangle(RECT* rect) = 0;  // 75
};

struct IUIAutomation : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE unused_CompareElements() = 0;  // 3
    virtual HRESULT STDMETHODCALLTYPE unused_CompareRuntimeIds() = 0;  // 4
    virtual HRESULT STDMETHODCALLTYPE unused_GetRootElement() = 0;  // 5
    virtual HRESULT STDMETHODCALLTYPE unused_ElementFromHandle() = 0;  // 6
    virtual HRESULT STDMETHODCALLTYPE unused_ElementFromPoint() = 0;  // 7
    virtual HRESULT STDMETHODCALLTYPE unused_GetFocusedElement() = 0;  // 8
    virtual HRESULT STDMETHODCALLTYPE unused_GetRootElementBuildCache() = 0;  // 9
    virtual HRESULT STDMETHODCALLTYPE ElementFromHandleBuildCache(void* hwnd, IUIAutomationCacheRequest* cache_request, IUIAutomationElement** element) = 0;  // 10
    virtual HRESULT STDMETHODCALLTYPE ElementFromPointBuildCache(POINT pt, IUIAutomationCacheRequest* cache_request, IUIAutomationElement** element) = 0;  // 11
    virtual HRESULT STDMETHODCALLTYPE unused_GetFocusedElementBuildCache() = 0;  // 12
    virtual HRESULT STDMETHODCALLTYPE unused_CreateTreeWalker() = 0;  // 13
    virtual HRESULT STDMETHODCALLTYPE get_ControlViewWalker(IUIAutomationTreeWalker** walker) = 0;  // 14
    virtual HRESULT STDMETHODCALLTYPE unused_get_ContentViewWalker() = 0;  // 15
    virtual HRESULT STDMETHODCALLTYPE unused_get_RawViewWalker() = 0;  // 16
    virtual HRESULT STDMETHODCALLTYPE unused_get_RawViewCondition() = 0;  // 17
    virtual HRESULT STDMETHODCALLTYPE get_ControlViewCondition(IUIAutomationCondition** condition) = 0;  // 18
    virtual HRESULT STDMETHODCALLTYPE unused_get_ContentViewCondition() = 0;  // 19
    virtual HRESULT STDMETHODCALLTYPE CreateCacheRequest(IUIAutomationCacheRequest** cache_request) = 0;  // 20
    virtual HRESULT STDMETHODCALLTYPE unused_CreateTrueCondition() = 0;  // 21
    virtual HRESULT STDMETHODCALLTYPE unused_CreateFalseCondition() = 0;  // 22
    virtual HRESULT STDMETHODCALLTYPE unused_CreatePropertyCondition() = 0;  // 23
    virtual HRESULT STDMETHODCALLTYPE unused_CreatePropertyConditionEx() = 0;  // 24
    virtual HRESULT STDMETHODCALLTYPE unused_CreateAndCondition() = 0;  // 25
    virtual HRESULT STDMETHODCALLTYPE unused_CreateAndConditionFromArray() = 0;  // 26
    virtual HRESULT STDMETHODCALLTYPE unused_CreateAndConditionFromNativeArray() = 0;  // 27
    virtual HRESULT STDMETHODCALLTYPE unused_CreateOrCondition() = 0;  // 28
    virtual HRESULT STDMETHODCALLTYPE unused_CreateOrConditionFromArray() = 0;  // 29
    virtual HRESULT STDMETHODCALLTYPE unused_CreateOrConditionFromNativeArray() = 0;  // 30
    virtual HRESULT STDMETHODCALLTYPE unused_CreateNotCondition() = 0;  // 31
    virtual HRESULT STDMETHODCALLTYPE unused_AddAutomationEventHandler() = 0;  // 32
    virtual HRESULT STDMETHODCALLTYPE unused_RemoveAutomationEventHandler() = 0;  // 33
    virtual HRESULT STDMETHODCALLTYPE unused_AddPropertyChangedEventHandlerNativeArray() = 0;  // 34
    virtual HRESULT STDMETHODCALLTYPE unused_AddPropertyChangedEventHandler() = 0;  // 35
    virtual HRESULT STDMETHODCALLTYPE unused_RemovePropertyChangedEventHandler() = 0;  // 36
    virtual HRESULT STDMETHODCALLTYPE unused_AddStructureChangedEventHandler() = 0;  // 37
    virtual HRESULT STDMETHODCALLTYPE unused_RemoveStructureChangedEventHandler() = 0;  // 38
    virtual HRESULT STDMETHODCALLTYPE unused_AddFocusChangedEventHandler() = 0;  // 39
    virtual HRESULT STDMETHODCALLTYPE unused_RemoveFocusChangedEventHandler() = 0;  // 40
    virtual HRESULT STDMETHODCALLTYPE unused_RemoveAllEventHandlers() = 0;  // 41
    virtual HRESULT STDMETHODCALLTYPE unused_IntNativeArrayToSafeArray() = 0;  // 42
    virtual HRESULT STDMETHODCALLTYPE unused_IntSafeArrayToNativeArray() = 0;  // 43
    virtual HRESULT STDMETHODCALLTYPE unused_RectToVariant() = 0;  // 44
    virtual HRESULT STDMETHODCALLTYPE unused_VariantToRect() = 0;  // 45
    virtual HRESULT STDMETHODCALLTYPE unused_SafeArrayToRectNativeArray() = 0;  // 46
    virtual HRESULT STDMETHODCALLTYPE unused_CreateProxyFactoryEntry() = 0;  // 47
    virtual HRESULT STDMETHODCALLTYPE unused_get_ProxyFactoryMapping() = 0;  // 48
    virtual HRESULT STDMETHODCALLTYPE unused_GetPropertyProgrammaticName() = 0;  // 49
    virtual HRESULT STDMETHODCALLTYPE unused_GetPatternProgrammaticName() = 0;  // 50
    virtual HRESULT STDMETHODCALLTYPE unused_PollForPotentialSupportedPatterns() = 0;  // 51
    virtual HRESULT STDMETHODCALLTYPE unused_PollForPotentialSupportedProperties() = 0;  // 52
    virtual HRESULT STDMETHODCALLTYPE unused_CheckNotSupported() = 0;  // 53
    virtual HRESULT STDMETHODCALLTYPE unused_get_ReservedNotSupportedValue() = 0;  // 54
    virtual HRESULT STDMETHODCALLTYPE unused_get_ReservedMixedAttributeValue() = 0;  // 55
    virtual HRESULT STDMETHODCALLTYPE unused_ElementFromIAccessible() = 0;  // 56
    virtual HRESULT STDMETHODCALLTYPE unused_ElementFromIAccessibleBuildCache() = 0;  // 57
};

struct IUIAutomation2 : public IUIAutomation {
    virtual HRESULT STDMETHODCALLTYPE unused_get_AutoSetFocus() = 0;  // 58
    virtual HRESULT STDMETHODCALLTYPE unused_put_AutoSetFocus() = 0;  // 59
    virtual HRESULT STDMETHODCALLTYPE unused_get_ConnectionTimeout() = 0;  // 60
    virtual HRESULT STDMETHODCALLTYPE unused_put_ConnectionTimeout() = 0;  // 61
    virtual HRESULT STDMETHODCALLTYPE unused_get_TransactionTimeout() = 0;  // 62
    virtual HRESULT STDMETHODCALLTYPE put_TransactionTimeout(DWORD timeout_ms) = 0;  // 63
};

}  // namespace uia_com
