#pragma once
// Our own declarations of the Windows Runtime interfaces text recognition calls, written from
// their documented interface ids and method order (mingw-w64 declares none of them). Only the
// methods up to the last one we call are named; the order of the slots is what matters.
// Parameterised interface ids are computed from their signatures (ocr/winrt_iid.h).
#include <windows.h>
#include <inspectable.h>
#include <oaidl.h>

#include <cstdint>

#include "ocr/winrt_iid.h"

namespace oxel_winrt {

constexpr GUID to_guid(const winrt_iid::Guid& g) {
    return GUID{g.data1, g.data2, g.data3, {g.data4[0], g.data4[1], g.data4[2], g.data4[3], g.data4[4], g.data4[5],
                                            g.data4[6], g.data4[7]}};
}

struct RtRect {  // Windows.Foundation.Rect
    float X, Y, Width, Height;
};
enum AsyncStatus : int32_t { ASYNC_STARTED = 0, ASYNC_COMPLETED = 1, ASYNC_CANCELED = 2, ASYNC_ERROR = 3 };
enum BitmapPixelFormat : int32_t { PIXEL_FORMAT_BGRA8 = 87 };
enum BitmapAlphaMode : int32_t { ALPHA_PREMULTIPLIED = 0 };
using Boolean = uint8_t;  // the runtime's one-byte boolean

// Handed between calls only.
struct IBuffer : IInspectable {};
struct ISoftwareBitmap : IInspectable {};

// IActivationFactory (activation.h): 00000035-0000-0000-C000-000000000046
inline constexpr GUID IID_ACTIVATION_FACTORY = {0x00000035, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// 00000036-0000-0000-C000-000000000046
struct IAsyncInfo : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE get_Id(UINT32* id) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Status(AsyncStatus* status) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ErrorCode(HRESULT* code) = 0;
    virtual HRESULT STDMETHODCALLTYPE Cancel() = 0;
    virtual HRESULT STDMETHODCALLTYPE Close() = 0;
};
inline constexpr GUID IID_ASYNC_INFO = {0x00000036, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// 94ea2b94-e9cc-49e0-c0ff-ee64ca8f5b90: a delegate callable from any thread.
inline constexpr GUID IID_AGILE_OBJECT = {0x94ea2b94, 0xe9cc, 0x49e0, {0xc0, 0xff, 0xee, 0x64, 0xca, 0x8f, 0x5b, 0x90}};

template <class T>
struct IVectorView : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE GetAt(UINT32 index, T* item) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Size(UINT32* size) = 0;
    virtual HRESULT STDMETHODCALLTYPE IndexOf(T value, UINT32* index, Boolean* found) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetMany(UINT32 start, UINT32 capacity, T* items, UINT32* actual) = 0;
};

// Windows.Globalization.Language: ea79a752-f7c2-4265-b1bd-c4dec4e4f080
struct ILanguage : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE get_LanguageTag(HSTRING* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_DisplayName(HSTRING* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_NativeName(HSTRING* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Script(HSTRING* value) = 0;
};
// 9b0252ac-0c27-44f8-b792-9793fb66c63e
struct ILanguageFactory : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE CreateLanguage(HSTRING tag, ILanguage** language) = 0;
};
inline constexpr GUID IID_LANGUAGE_FACTORY = {0x9b0252ac, 0x0c27, 0x44f8, {0xb7, 0x92, 0x97, 0x93, 0xfb, 0x66, 0xc6, 0x3e}};

// Windows.Media.Ocr.OcrWord: 3c2a477a-5cd9-3525-ba2a-23d1e0a68a1d
struct IOcrWord : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE get_BoundingRect(RtRect* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Text(HSTRING* value) = 0;
};
// Windows.Media.Ocr.OcrLine: 0043a16f-e31f-3a24-899c-d444bd088124
struct IOcrLine : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE get_Words(IVectorView<IOcrWord*>** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Text(HSTRING* value) = 0;
};
// Windows.Media.Ocr.OcrResult: 9bd235b2-175b-3d6a-92e2-388c206e2f63
struct IOcrResult : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE get_Lines(IVectorView<IOcrLine*>** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_TextAngle(IInspectable** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Text(HSTRING* value) = 0;
};

struct IAsyncOperationOfOcrResult;
// AsyncOperationCompletedHandler<OcrResult>: a delegate, IUnknown then Invoke.
struct IAsyncCompletedOfOcrResult : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Invoke(IAsyncOperationOfOcrResult* operation, AsyncStatus status) = 0;
};
// IAsyncOperation<OcrResult>
struct IAsyncOperationOfOcrResult : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE put_Completed(IAsyncCompletedOfOcrResult* handler) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Completed(IAsyncCompletedOfOcrResult** handler) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetResults(IOcrResult** results) = 0;
};
inline constexpr GUID IID_ASYNC_COMPLETED_OF_OCR_RESULT = to_guid(winrt_iid::ASYNC_COMPLETED_OF_OCR_RESULT);
inline constexpr GUID IID_ASYNC_OPERATION_OF_OCR_RESULT = to_guid(winrt_iid::ASYNC_OPERATION_OF_OCR_RESULT);

// 5a14bc41-5b76-3140-b680-8825562683ac
struct IOcrEngine : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE RecognizeAsync(ISoftwareBitmap* bitmap, IAsyncOperationOfOcrResult** operation) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RecognizerLanguage(ILanguage** value) = 0;
};
// 5bffa85a-3384-3540-9940-699120d428a8
struct IOcrEngineStatics : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE get_MaxImageDimension(UINT32* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_AvailableRecognizerLanguages(IVectorView<ILanguage*>** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE IsLanguageSupported(ILanguage* language, Boolean* result) = 0;
    virtual HRESULT STDMETHODCALLTYPE TryCreateFromLanguage(ILanguage* language, IOcrEngine** engine) = 0;
    virtual HRESULT STDMETHODCALLTYPE TryCreateFromUserProfileLanguages(IOcrEngine** engine) = 0;
};
inline constexpr GUID IID_OCR_ENGINE_STATICS = {0x5bffa85a, 0x3384, 0x3540, {0x99, 0x40, 0x69, 0x91, 0x20, 0xd4, 0x28, 0xa8}};

// df0385db-672f-4a9d-806e-c2442f343e86
struct ISoftwareBitmapStatics : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE Copy(ISoftwareBitmap* source, ISoftwareBitmap** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE Convert(ISoftwareBitmap* source, BitmapPixelFormat format, ISoftwareBitmap** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE ConvertWithAlpha(ISoftwareBitmap* source, BitmapPixelFormat format,
                                                       BitmapAlphaMode alpha, ISoftwareBitmap** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateCopyFromBuffer(IBuffer* source, BitmapPixelFormat format, INT32 width,
                                                           INT32 height, ISoftwareBitmap** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateCopyWithAlphaFromBuffer(IBuffer* source, BitmapPixelFormat format, INT32 width,
                                                                    INT32 height, BitmapAlphaMode alpha,
                                                                    ISoftwareBitmap** value) = 0;
};
inline constexpr GUID IID_SOFTWARE_BITMAP_STATICS = {0xdf0385db, 0x672f, 0x4a9d, {0x80, 0x6e, 0xc2, 0x44, 0x2f, 0x34, 0x3e, 0x86}};

// Windows.Storage.Streams.DataWriter: 64b89265-d341-4922-b38a-dd4af8808c4e. Slots 6 to 11 and
// 13 to 30 are declared only to keep WriteBytes at 12 and DetachBuffer at 31.
struct IDataWriter : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE get_UnstoredBufferLength(UINT32*) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_UnicodeEncoding(INT32*) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_UnicodeEncoding(INT32) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ByteOrder(INT32*) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ByteOrder(INT32) = 0;
    virtual HRESULT STDMETHODCALLTYPE WriteByte(BYTE) = 0;
    virtual HRESULT STDMETHODCALLTYPE WriteBytes(UINT32 count, BYTE* bytes) = 0;
    virtual HRESULT STDMETHODCALLTYPE WriteBuffer(IBuffer*) = 0;
    virtual HRESULT STDMETHODCALLTYPE WriteBufferRange(IBuffer*, UINT32, UINT32) = 0;
    virtual HRESULT STDMETHODCALLTYPE WriteBoolean(Boolean) = 0;
    virtual HRESULT STDMETHODCALLTYPE WriteGuid(GUID) = 0;
    virtual HRESULT STDMETHODCALLTYPE WriteInt16(INT16) = 0;
    virtual HRESULT STDMETHODCALLTYPE WriteInt32(INT32) = 0;
    virtual HRESULT STDMETHODCALLTYPE WriteInt64(INT64) = 0;
    virtual HRESULT STDMETHODCALLTYPE WriteUInt16(UINT16) = 0;
    virtual HRESULT STDMETHODCALLTYPE WriteUInt32(UINT32) = 0;
    virtual HRESULT STDMETHODCALLTYPE WriteUInt64(UINT64) = 0;
    virtual HRESULT STDMETHODCALLTYPE WriteSingle(FLOAT) = 0;
    virtual HRESULT STDMETHODCALLTYPE WriteDouble(DOUBLE) = 0;
    virtual HRESULT STDMETHODCALLTYPE WriteDateTime(INT64) = 0;
    virtual HRESULT STDMETHODCALLTYPE WriteTimeSpan(INT64) = 0;
    virtual HRESULT STDMETHODCALLTYPE WriteString(HSTRING, UINT32*) = 0;
    virtual HRESULT STDMETHODCALLTYPE MeasureString(HSTRING, UINT32*) = 0;
    virtual HRESULT STDMETHODCALLTYPE StoreAsync(IInspectable**) = 0;
    virtual HRESULT STDMETHODCALLTYPE FlushAsync(IInspectable**) = 0;
    virtual HRESULT STDMETHODCALLTYPE DetachBuffer(IBuffer** buffer) = 0;
    virtual HRESULT STDMETHODCALLTYPE DetachStream(IInspectable**) = 0;
};
inline constexpr GUID IID_DATA_WRITER = {0x64b89265, 0xd341, 0x4922, {0xb3, 0x8a, 0xdd, 0x4a, 0xf8, 0x80, 0x8c, 0x4e}};

// 82ba7092-4c88-427d-a7bc-16dd93feb67e
struct IRestrictedErrorInfo : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetErrorDetails(BSTR* description, HRESULT* error, BSTR* restricted_description,
                                                      BSTR* capability_sid) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetReference(BSTR* reference) = 0;
};

}  // namespace oxel_winrt

extern "C" HRESULT WINAPI GetRestrictedErrorInfo(oxel_winrt::IRestrictedErrorInfo** info);
