// The capturer's decisions against a scripted backend.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>

#include "dxgi/capturer.h"
#include "support/debug_log_capture.h"

namespace {

struct FakeTexture final : GpuObject {
    uint32_t width = 0, height = 0, format = FORMAT_BGRA8;
    bool staging = false;
    std::vector<uint32_t> texels;
    std::vector<uint8_t> mapped;
};

struct FakeRef final : GpuObject {
    std::string kind;
    size_t adapter = 0, output = 0;
};

struct ScriptedFrame {
    HResult hr = HR_OK;
    int64_t present_time = 1;
    uint32_t width = 0, height = 0, format = FORMAT_BGRA8;
    std::vector<uint32_t> texels;
    bool no_resource = false;
    bool not_a_texture = false;
};

uint32_t texel_value(uint32_t seed, uint32_t c, uint32_t r) { return (seed << 20) | (r << 10) | c; }

// A frame of distinct texels, of the size a monitor of that rectangle and rotation delivers.
ScriptedFrame frame_for(const Rect& rect, uint32_t rotation, uint32_t seed) {
    const TexelSize size = texture_size_for(rotation, rect);
    ScriptedFrame f;
    f.width = size.width;
    f.height = size.height;
    for (uint32_t r = 0; r < size.height; ++r)
        for (uint32_t c = 0; c < size.width; ++c) f.texels.push_back(texel_value(seed, c, r));
    return f;
}

struct FakeOutput {
    Rect rect;
    uint32_t rotation = ROTATION_IDENTITY;
    bool attached = true;
    bool has_output1 = true;
    std::deque<HResult> duplicate_results;  // one per DuplicateOutput, then success
    bool duplicate_without_object = false;
    std::deque<ScriptedFrame> frames;       // one per AcquireNextFrame, then the time-out
};

struct FakeAdapter {
    uint64_t luid = 0;
    std::u16string description;
    std::vector<FakeOutput> outputs;
    bool device_fails = false;
};

// An output whose duplication works and whose first frame is waiting.
FakeOutput ready(const Rect& rect, uint32_t rotation = ROTATION_IDENTITY, uint32_t seed = 1) {
    FakeOutput o;
    o.rect = rect;
    o.rotation = rotation;
    o.frames.push_back(frame_for(rect, rotation, seed));
    return o;
}

class FakeBackend final : public DxgiBackend {
public:
    std::vector<FakeAdapter> adapters;
    bool factory_fails = false;
    HResult map_result = HR_OK;
    HResult staging_result = HR_OK;
    uint32_t pitch_padding = 12;
    struct Counts {
        int factories = 0, devices = 0, duplicates = 0, acquires = 0, releases = 0, frame_textures = 0,
            staging_textures = 0, maps = 0, unmaps = 0;
    } n;

    FakeOutput& out(size_t a, size_t o) { return adapters.at(a).outputs.at(o); }

    GpuRef create_factory() override {
        ++n.factories;
        if (factory_fails) return {};
        return ref("factory");
    }
    std::optional<AdapterInfo> adapter(const GpuRef&, uint32_t index) override {
        if (index >= adapters.size()) return std::nullopt;
        AdapterInfo info;
        info.adapter = ref("adapter", index);
        info.described = true;
        info.luid = adapters[index].luid;
        info.description = adapters[index].description + std::u16string(3, u'\0');
        return info;
    }
    std::optional<OutputInfo> output(const GpuRef& adapter, uint32_t index) override {
        const FakeRef* a = as_ref(adapter);
        FakeOutput* o = find(a->adapter, index);
        if (!o) return std::nullopt;
        OutputInfo info;
        info.attached = o->attached;
        info.rect = o->rect;
        info.rotation = o->rotation;
        if (o->has_output1) info.output = ref("output", a->adapter, index);
        return info;
    }
    std::optional<DeviceRefs> create_device(const GpuRef& adapter) override {
        const FakeRef* a = as_ref(adapter);
        if (adapters.at(a->adapter).device_fails) return std::nullopt;
        ++n.devices;
        return DeviceRefs{ref("device", a->adapter), ref("context", a->adapter)};
    }
    Created duplicate_output(const GpuRef& output, const GpuRef& device) override {
        ++n.duplicates;
        const FakeRef* r = as_ref(output);
        FakeOutput* o = r ? find(r->adapter, r->output) : nullptr;
        if (!o || !device || as_ref(device)->adapter != r->adapter) return {HR_INVALID_ARG, {}};
        if (!o->duplicate_results.empty()) {
            const HResult hr = o->duplicate_results.front();
            o->duplicate_results.pop_front();
            if (hr_failed(hr)) return {hr, {}};
        }
        if (o->duplicate_without_object) return {HR_OK, {}};
        return {HR_OK, ref("duplication", r->adapter, r->output)};
    }
    AcquiredFrame acquire_next_frame(const GpuRef& duplication) override {
        ++n.acquires;
        const FakeRef* r = as_ref(duplication);
        FakeOutput* o = r ? find(r->adapter, r->output) : nullptr;
        if (!o) return {HR_DXGI_ACCESS_LOST, 0, {}};
        if (o->frames.empty()) return {HR_DXGI_WAIT_TIMEOUT, 0, {}};
        ScriptedFrame f = std::move(o->frames.front());
        o->frames.pop_front();
        if (hr_failed(f.hr)) return {f.hr, 0, {}};
        AcquiredFrame a{f.hr, f.present_time, {}};
        if (f.not_a_texture) {
            a.resource = ref("resource");
        } else if (!f.no_resource) {
            auto t = std::make_shared<FakeTexture>();
            t->width = f.width;
            t->height = f.height;
            t->format = f.format;
            t->texels = std::move(f.texels);
            a.resource = t;
        }
        return a;
    }
    void release_frame(const GpuRef&) override { ++n.releases; }
    FrameSurface frame_surface(const GpuRef& resource) override {
        auto* t = dynamic_cast<FakeTexture*>(resource.get());
        if (!t) return {HR_NO_INTERFACE, {}, 0, 0, 0};
        return {HR_OK, resource, t->width, t->height, t->format};
    }
    Created create_texture(const GpuRef& device, uint32_t w, uint32_t h, TextureUsage usage) override {
        if (!device) return {HR_POINTER, {}};
        if (usage == TextureUsage::Staging) {
            ++n.staging_textures;
            if (hr_failed(staging_result)) return {staging_result, {}};
        } else {
            ++n.frame_textures;
        }
        auto t = std::make_shared<FakeTexture>();
        t->width = w;
        t->height = h;
        t->staging = usage == TextureUsage::Staging;
        t->texels.assign(static_cast<size_t>(w) * h, 0xDEADBEEF);
        return {HR_OK, t};
    }
    void copy_resource(const GpuRef&, const GpuRef& dst, const GpuRef& src) override {
        auto* d = dynamic_cast<FakeTexture*>(dst.get());
        auto* s = dynamic_cast<FakeTexture*>(src.get());
        if (d && s && d->width == s->width && d->height == s->height) d->texels = s->texels;  // as D3D: same size only
    }
    void copy_region(const GpuRef&, const GpuRef& dst, const GpuRef& src, const TexelBox& box) override {
        auto* d = dynamic_cast<FakeTexture*>(dst.get());
        auto* s = dynamic_cast<FakeTexture*>(src.get());
        if (!d || !s || box.right > s->width || box.bottom > s->height || box.width() > d->width ||
            box.height() > d->height)
            return;
        for (uint32_t r = 0; r < box.height(); ++r)
            for (uint32_t c = 0; c < box.width(); ++c)
                d->texels[static_cast<size_t>(r) * d->width + c] =
                    s->texels[static_cast<size_t>(box.top + r) * s->width + box.left + c];
    }
    MappedTexels map_read(const GpuRef&, const GpuRef& texture) override {
        ++n.maps;
        if (hr_failed(map_result)) return {map_result, nullptr, 0};
        auto* t = dynamic_cast<FakeTexture*>(texture.get());
        if (!t || !t->staging) return {HR_INVALID_ARG, nullptr, 0};
        const uint32_t pitch = t->width * 4 + pitch_padding;
        t->mapped.assign(static_cast<size_t>(pitch) * t->height, 0xAB);
        for (uint32_t r = 0; r < t->height; ++r)
            std::memcpy(t->mapped.data() + static_cast<size_t>(r) * pitch, t->texels.data() + static_cast<size_t>(r) * t->width,
                        static_cast<size_t>(t->width) * 4);
        return {HR_OK, t->mapped.data(), pitch};
    }
    void unmap(const GpuRef&, const GpuRef& texture) override {
        ++n.unmaps;
        if (auto* t = dynamic_cast<FakeTexture*>(texture.get())) t->mapped.clear();
    }
    double now_ms() override { return clock += 0.5; }
    std::string error_text(HResult hr) override {
        char buf[32];
        std::snprintf(buf, sizeof buf, "hr %08X", static_cast<unsigned>(hr));
        return buf;
    }

    double clock = 0;

private:
    static GpuRef ref(std::string kind, size_t adapter = 0, size_t output = 0) {
        auto r = std::make_shared<FakeRef>();
        r->kind = std::move(kind);
        r->adapter = adapter;
        r->output = output;
        return r;
    }
    static const FakeRef* as_ref(const GpuRef& r) { return dynamic_cast<const FakeRef*>(r.get()); }
    FakeOutput* find(size_t a, size_t o) {
        if (a >= adapters.size() || o >= adapters[a].outputs.size()) return nullptr;
        return &adapters[a].outputs[o];
    }
};

constexpr uint32_t SENTINEL = 0x11223344;

struct Frozen {
    Frozen(int32_t w, int32_t h, int32_t ox = 0, int32_t oy = 0)
        : pixels(static_cast<size_t>(w) * h, SENTINEL), width(w), height(h), origin_x(ox), origin_y(oy) {}
    FrameBuffer buffer() { return FrameBuffer{pixels.data(), pixels.size(), width, height, origin_x, origin_y}; }
    uint32_t at(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y - origin_y) * width + (x - origin_x)]; }
    std::vector<uint32_t> pixels;
    int32_t width, height, origin_x, origin_y;
};

// The texels of a monitor's frame must sit upright at the monitor's place.
void expect_monitor_pixels(const Frozen& f, const Rect& monitor, uint32_t rotation, uint32_t seed) {
    const TexelSize size = texture_size_for(rotation, monitor);
    for (uint32_t r = 0; r < size.height; ++r)
        for (uint32_t c = 0; c < size.width; ++c) {
            const BufferPoint p = texel_to_buffer(rotation, monitor, c, r);
            ASSERT_EQ(f.at(p.x, p.y), texel_value(seed, c, r)) << "texel " << c << "," << r;
        }
}

bool log_has(const std::string& line) {
    const auto lines = captured_log_lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool log_has_prefix(const std::string& prefix) {
    for (const std::string& l : captured_log_lines())
        if (l.rfind(prefix, 0) == 0) return true;
    return false;
}

const Rect LEFT{0, 0, 4, 3};
const Rect RIGHT{4, 0, 7, 4};  // 3 wide, 4 high
const Rect OTHER{-5, 0, 0, 3};

class Capturer : public ::testing::Test {
protected:
    void SetUp() override { clear_captured_log(); }
    DxgiCapturer& capturer() { return **cell.borrow(); }  // only between operations
    FakeBackend backend;
    CapturerCell cell;
};

}  // namespace

TEST_F(Capturer, BuildsOneDevicePerAdapterInEnumerationOrder) {
    FakeOutput detached = ready(Rect{100, 100, 200, 200});
    detached.attached = false;
    FakeOutput no_output1 = ready(Rect{300, 300, 400, 400});
    no_output1.has_output1 = false;
    backend.adapters = {{7, u"Fake GPU A", {ready(LEFT), detached, no_output1, ready(RIGHT, ROTATION_90, 2)}, false},
                        {9, u"Fake GPU B", {ready(OTHER, ROTATION_IDENTITY, 3)}, false}};
    EXPECT_FALSE(prewarm_step(cell, backend, false));

    const DxgiCapturer& cap = capturer();
    ASSERT_EQ(cap.outputs.size(), 3u);
    EXPECT_EQ(cap.outputs[0].rect, LEFT);
    EXPECT_EQ(cap.outputs[1].rect, RIGHT);
    EXPECT_EQ(cap.outputs[1].rotation, ROTATION_90);
    EXPECT_EQ(cap.outputs[2].rect, OTHER);
    ASSERT_EQ(cap.devices.size(), 2u);
    EXPECT_EQ(backend.n.devices, 2);
    EXPECT_EQ(cap.devices[0].luid, 7u);
    EXPECT_EQ(cap.outputs[0].device, cap.outputs[1].device) << "two monitors on one adapter share its device";
    EXPECT_NE(cap.outputs[0].device, cap.outputs[2].device);
    EXPECT_FALSE(cap.recreate);
    for (const DuplicatedOutput& o : cap.outputs) EXPECT_TRUE(o.has_frame);

    EXPECT_TRUE(log_has("dxgi adapter 1: Fake GPU A"));
    EXPECT_TRUE(log_has("dxgi adapter 2: Fake GPU B"));
    EXPECT_TRUE(log_has("dxgi outputs (0.5 ms, 2 device(s)): 0,0,4,3 rot 1; 4,0,7,4 rot 2; -5,0,0,3 rot 1"));
}

TEST_F(Capturer, DuplicationFailuresLastingOrTransient) {
    struct Case {
        const char* what;
        HResult hr;
        bool without_object;
        bool transient;
    };
    const Case cases[] = {
        {"not currently available", HR_DXGI_NOT_CURRENTLY_AVAILABLE, false, true},
        {"access lost", HR_DXGI_ACCESS_LOST, false, true},
        {"wait time-out", HR_DXGI_WAIT_TIMEOUT, false, true},
        {"session disconnected", HR_DXGI_SESSION_DISCONNECTED, false, true},
        {"access denied (secure desktop)", HR_ACCESS_DENIED, false, true},
        {"not implemented (Wine)", HR_NOT_IMPLEMENTED, false, false},
        {"invalid argument", HR_INVALID_ARG, false, false},
        {"unspecified failure", HR_FAIL, false, false},
        {"success without an object", HR_OK, true, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        FakeBackend be;
        CapturerCell c;
        clear_captured_log();
        FakeOutput o = ready(LEFT);
        o.duplicate_results = {k.hr};
        o.duplicate_without_object = k.without_object;
        be.adapters = {{1, u"gpu", {o}, false}};

        EXPECT_EQ(prewarm_step(c, be, false), k.transient);
        EXPECT_EQ((*c.borrow())->outputs[0].failed, !k.transient);
        EXPECT_TRUE(log_has_prefix("dxgi duplicate 0,0,4,3 failed: "));
        if (k.hr != HR_OK) {
            char text[64];
            std::snprintf(text, sizeof text, "dxgi duplicate 0,0,4,3 failed: hr %08X", static_cast<unsigned>(k.hr));
            EXPECT_TRUE(log_has(text));
        }

        be.adapters[0].outputs[0].duplicate_without_object = false;
        EXPECT_FALSE(prewarm_step(c, be, false));
        EXPECT_EQ(be.n.duplicates, k.transient ? 2 : 1) << "a failed output is not tried again";
        EXPECT_EQ((*c.borrow())->outputs[0].has_frame, k.transient);
        EXPECT_EQ(be.n.factories, 1) << "no rebuild";
    }
}

TEST_F(Capturer, AgainCountsOnlyOutputsThatAreNotFailed) {
    FakeOutput lasting = ready(LEFT);
    lasting.duplicate_results = {HR_NOT_IMPLEMENTED};
    FakeOutput waiting = ready(RIGHT);
    waiting.frames.clear();  // no frame yet
    backend.adapters = {{1, u"gpu", {lasting, waiting}, false}};
    EXPECT_TRUE(prewarm_step(cell, backend, false)) << "the second output still waits for a frame";
    backend.out(0, 1).frames.push_back(frame_for(RIGHT, ROTATION_IDENTITY, 1));
    EXPECT_FALSE(prewarm_step(cell, backend, false));

    FakeBackend all_failed;
    CapturerCell c;
    FakeOutput a = ready(LEFT), b = ready(RIGHT);
    a.duplicate_results = b.duplicate_results = {HR_NOT_IMPLEMENTED};
    all_failed.adapters = {{1, u"gpu", {a, b}, false}};
    EXPECT_FALSE(prewarm_step(c, all_failed, false)) << "a lasting failure ends the pre-warm at once";
    EXPECT_FALSE(prewarm_step(c, all_failed, false));
    EXPECT_EQ(all_failed.n.factories, 1);
    EXPECT_EQ(all_failed.n.duplicates, 2);
    const DxgiCapturer& cap = **c.borrow();
    EXPECT_TRUE(cap.devices.empty()) << "nothing keeps the GPU devices once every output failed";
    ASSERT_EQ(cap.outputs.size(), 2u);
    EXPECT_FALSE(cap.outputs[0].device);
    EXPECT_FALSE(cap.outputs[1].output);
}

TEST_F(Capturer, FirstFrameNotYetThereAsksForAnotherStep) {
    FakeOutput o = ready(LEFT);
    o.frames.clear();
    backend.adapters = {{1, u"gpu", {o}, false}};
    EXPECT_TRUE(prewarm_step(cell, backend, false));
    backend.out(0, 0).frames.push_back(frame_for(LEFT, ROTATION_IDENTITY, 1));
    EXPECT_FALSE(prewarm_step(cell, backend, false));
    EXPECT_EQ(backend.n.duplicates, 1);
}

TEST_F(Capturer, AccessLostWhilePrewarmingRebuilds) {
    FakeOutput o = ready(LEFT);
    o.frames.front().hr = HR_DXGI_ACCESS_LOST;
    backend.adapters = {{1, u"gpu", {o}, false}};
    EXPECT_TRUE(prewarm_step(cell, backend, false));
    EXPECT_TRUE(capturer().recreate);
    EXPECT_FALSE(capturer().outputs[0].duplication) << "the duplication is released";
    backend.out(0, 0).frames.push_back(frame_for(LEFT, ROTATION_IDENTITY, 1));
    EXPECT_FALSE(prewarm_step(cell, backend, false));
    EXPECT_EQ(backend.n.factories, 2);
    EXPECT_EQ(backend.n.devices, 2) << "devices are made anew";
}

TEST_F(Capturer, RefreshOutcomes) {
    struct Case {
        const char* what;
        ScriptedFrame frame;
        HResult want;
        bool has_frame;
        bool keeps_duplication;
    };
    ScriptedFrame good = frame_for(LEFT, ROTATION_IDENTITY, 1);
    ScriptedFrame wrong_format = good;
    wrong_format.format = 28;
    ScriptedFrame no_resource = good;
    no_resource.no_resource = true;
    ScriptedFrame not_texture = good;
    not_texture.not_a_texture = true;
    ScriptedFrame lost = good;
    lost.hr = HR_DXGI_ACCESS_LOST;
    ScriptedFrame blank = good;
    blank.present_time = 0;
    const Case cases[] = {
        {"new frame", good, HR_OK, true, true},
        {"no new desktop image", blank, HR_OK, false, true},
        {"format other than 87", wrong_format, HR_FAIL, false, true},
        {"no resource", no_resource, HR_FAIL, false, true},
        {"resource is not a texture", not_texture, HR_NO_INTERFACE, false, true},
        {"access lost", lost, HR_DXGI_ACCESS_LOST, false, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        FakeBackend be;
        CapturerCell c;
        FakeOutput fo;
        fo.rect = LEFT;  // duplicated, no frame yet
        be.adapters = {{1, u"gpu", {fo}, false}};
        ASSERT_TRUE(prewarm_step(c, be, false));
        be.out(0, 0).frames = {k.frame};
        auto borrow = c.borrow();
        DuplicatedOutput& out = (*borrow)->outputs.at(0);
        const int releases = be.n.releases;
        EXPECT_EQ(refresh_output(be, out), k.want);
        EXPECT_EQ(out.has_frame, k.has_frame);
        EXPECT_EQ(static_cast<bool>(out.duplication), k.keeps_duplication);
        EXPECT_EQ(be.n.releases - releases, k.frame.hr == HR_OK ? 1 : 0) << "every acquired frame is released";
    }
}

TEST_F(Capturer, GrabCopiesEveryOutputUprightIncludingRotatedOnes) {
    backend.adapters = {{1, u"gpu", {ready(LEFT, ROTATION_IDENTITY, 1), ready(RIGHT, ROTATION_90, 2)}, false},
                        {2, u"gpu2", {ready(OTHER, ROTATION_270, 3)}, false}};
    ASSERT_FALSE(prewarm_step(cell, backend, false));
    clear_captured_log();
    Frozen f(12, 4, -5, 0);
    const GrabResult g = grab_outputs(cell, backend, false, f.buffer(), {OTHER, RIGHT, LEFT});
    EXPECT_EQ(g.copied, (std::vector<Rect>{LEFT, RIGHT, OTHER}));
    EXPECT_FALSE(g.incomplete);
    expect_monitor_pixels(f, LEFT, ROTATION_IDENTITY, 1);
    expect_monitor_pixels(f, RIGHT, ROTATION_90, 2);
    expect_monitor_pixels(f, OTHER, ROTATION_270, 3);
    EXPECT_EQ(f.at(0, 3), SENTINEL) << "outside every monitor nothing is written";
    EXPECT_EQ(backend.n.staging_textures, 3) << "a fresh staging texture per output";
    EXPECT_EQ(backend.n.maps, backend.n.unmaps);
    EXPECT_EQ(backend.n.frame_textures, 3) << "no new frame since the pre-warm: the kept frames are used";
    EXPECT_TRUE(log_has("dxgi grab 0,0,4,3 0.5 ms"));
}

TEST_F(Capturer, MonitorSetChanges) {
    struct Case {
        const char* what;
        std::vector<Rect> monitors;
        bool same;
    };
    const Case cases[] = {
        {"same set, other order", {RIGHT, LEFT}, true},
        {"one removed", {LEFT}, false},
        {"one added", {LEFT, RIGHT, OTHER}, false},
        {"one moved", {LEFT, Rect{4, 0, 7, 5}}, false},
        {"same count, a duplicate instead of another", {LEFT, LEFT}, false},
        {"none", {}, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        FakeBackend be;
        CapturerCell c;
        be.adapters = {{1, u"gpu", {ready(LEFT), ready(RIGHT, ROTATION_IDENTITY, 2)}, false}};
        ASSERT_FALSE(prewarm_step(c, be, false));
        Frozen f(7, 4);
        const GrabResult g = grab_outputs(c, be, false, f.buffer(), k.monitors);
        EXPECT_EQ(g.incomplete, !k.same);
        EXPECT_EQ(g.copied.size(), k.same ? 2u : 0u);
        EXPECT_EQ((*c.borrow())->recreate, !k.same);
        if (k.same) continue;
        EXPECT_EQ(f.pixels, std::vector<uint32_t>(28, SENTINEL)) << "nothing copied";
        // Still incomplete until the pre-warm step has rebuilt the capturer.
        EXPECT_TRUE(grab_outputs(c, be, false, f.buffer(), {LEFT, RIGHT}).incomplete);
        be.out(0, 0).frames.push_back(frame_for(LEFT, ROTATION_IDENTITY, 1));
        be.out(0, 1).frames.push_back(frame_for(RIGHT, ROTATION_IDENTITY, 2));
        EXPECT_FALSE(prewarm_step(c, be, false));
        EXPECT_EQ(be.n.factories, 2);
        EXPECT_EQ(grab_outputs(c, be, false, f.buffer(), {LEFT, RIGHT}).copied.size(), 2u);
    }
}

TEST_F(Capturer, FirstGrabOrRegionGrabMakesACapturerThatWaitsForItsRebuild) {
    backend.adapters = {{1, u"gpu", {ready(LEFT)}, false}};
    Frozen f(4, 3);
    const GrabResult g = grab_outputs(cell, backend, false, f.buffer(), {LEFT});
    EXPECT_TRUE(g.copied.empty());
    EXPECT_TRUE(g.incomplete);
    EXPECT_TRUE(capturer().recreate);
    EXPECT_EQ(backend.n.factories, 0) << "only the pre-warm step rebuilds";

    CapturerCell fresh;
    std::vector<uint32_t> px(4);
    EXPECT_FALSE(grab_region(fresh, backend, false, Rect{0, 0, 2, 2}, px.data(), px.size()));
    ASSERT_TRUE(fresh.borrow()->has_value());
    EXPECT_TRUE(fresh.borrow()->value().recreate);
}

TEST_F(Capturer, AccessLostWhileGrabbingMarksRecreateAndCopiesTheRest) {
    backend.adapters = {{1, u"gpu", {ready(LEFT), ready(RIGHT, ROTATION_IDENTITY, 2)}, false}};
    ASSERT_FALSE(prewarm_step(cell, backend, false));
    ScriptedFrame lost;
    lost.hr = HR_DXGI_ACCESS_LOST;
    backend.out(0, 0).frames.push_back(lost);
    clear_captured_log();
    Frozen f(7, 4);
    const GrabResult g = grab_outputs(cell, backend, false, f.buffer(), {LEFT, RIGHT});
    EXPECT_EQ(g.copied, std::vector<Rect>{RIGHT});
    EXPECT_TRUE(g.incomplete);
    EXPECT_TRUE(capturer().recreate);
    EXPECT_TRUE(log_has("dxgi refresh 0,0,4,3 failed: hr 887A0026"));
    EXPECT_EQ(f.at(0, 0), SENTINEL);

    backend.out(0, 0).frames.push_back(frame_for(LEFT, ROTATION_IDENTITY, 1));
    backend.out(0, 1).frames.push_back(frame_for(RIGHT, ROTATION_IDENTITY, 2));
    EXPECT_FALSE(prewarm_step(cell, backend, false));
    EXPECT_EQ(backend.n.factories, 2);
    EXPECT_EQ(grab_outputs(cell, backend, false, f.buffer(), {LEFT, RIGHT}).copied.size(), 2u);
}

TEST_F(Capturer, FailedOutputsArePassedOverSilently) {
    FakeOutput lasting = ready(LEFT);
    lasting.duplicate_results = {HR_NOT_IMPLEMENTED};
    backend.adapters = {{1, u"gpu", {lasting, ready(RIGHT)}, false}};
    ASSERT_FALSE(prewarm_step(cell, backend, false));
    clear_captured_log();
    Frozen f(7, 4);
    const GrabResult g = grab_outputs(cell, backend, false, f.buffer(), {LEFT, RIGHT});
    EXPECT_EQ(g.copied, std::vector<Rect>{RIGHT});
    EXPECT_FALSE(g.incomplete);
    EXPECT_EQ(captured_log_lines().size(), 1u) << "only the grab line of the right monitor";
}

TEST_F(Capturer, ReadFailuresFallBackForThatMonitor) {
    struct Case {
        const char* what;
        HResult map_result;
        HResult staging_result;
        bool wrong_size;
    };
    const Case cases[] = {
        {"map fails", HR_INVALID_ARG, HR_OK, false},
        {"no staging texture", HR_OK, hresult(0x8007000Eu), false},
        {"frame not the monitor's size", HR_OK, HR_OK, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        FakeBackend be;
        CapturerCell c;
        clear_captured_log();
        FakeOutput o = ready(LEFT);
        if (k.wrong_size) o.frames = {frame_for(Rect{0, 0, 5, 3}, ROTATION_IDENTITY, 1)};
        be.adapters = {{1, u"gpu", {o}, false}};
        ASSERT_FALSE(prewarm_step(c, be, false));
        be.map_result = k.map_result;
        be.staging_result = k.staging_result;
        Frozen f(4, 3);
        const GrabResult g = grab_outputs(c, be, false, f.buffer(), {LEFT});
        EXPECT_TRUE(g.copied.empty());
        EXPECT_TRUE(g.incomplete);
        EXPECT_FALSE((*c.borrow())->outputs[0].has_frame);
        EXPECT_TRUE(log_has_prefix("dxgi read 0,0,4,3 failed: hr "));
        EXPECT_EQ(f.pixels, std::vector<uint32_t>(12, SENTINEL));
        EXPECT_EQ(be.n.maps - (hr_failed(k.map_result) ? 1 : 0), be.n.unmaps) << "every map is undone";
    }
}

TEST_F(Capturer, GrabChecksItsBuffer) {
    backend.adapters = {{1, u"gpu", {ready(LEFT)}, false}};
    ASSERT_FALSE(prewarm_step(cell, backend, false));
    const int acquires = backend.n.acquires;
    std::vector<uint32_t> small(11, SENTINEL);
    const FrameBuffer bad[] = {
        {nullptr, 12, 4, 3, 0, 0},
        {small.data(), small.size(), 4, 3, 0, 0},
        {small.data(), small.size(), 0, 3, 0, 0},
        {small.data(), small.size(), 4, -3, 0, 0},
    };
    for (const FrameBuffer& b : bad) {
        const GrabResult g = grab_outputs(cell, backend, false, b, {LEFT});
        EXPECT_TRUE(g.copied.empty());
        EXPECT_FALSE(g.incomplete);
    }
    EXPECT_EQ(backend.n.acquires, acquires);
    EXPECT_EQ(small, std::vector<uint32_t>(11, SENTINEL));
    // The monitor partly outside the frozen buffer: read fails, nothing written.
    Frozen shifted(4, 3, 1, 0);
    EXPECT_TRUE(grab_outputs(cell, backend, false, shifted.buffer(), {LEFT}).copied.empty());
    EXPECT_EQ(shifted.pixels, std::vector<uint32_t>(12, SENTINEL));
}

TEST_F(Capturer, GdiForcedOrBorrowedCellDoesNothing) {
    backend.adapters = {{1, u"gpu", {ready(LEFT)}, false}};
    Frozen f(4, 3);
    std::vector<uint32_t> region(12);
    EXPECT_FALSE(prewarm_step(cell, backend, true));
    EXPECT_FALSE(cell.borrow()->has_value()) << "forced GDI makes no capturer";
    const GrabResult forced = grab_outputs(cell, backend, true, f.buffer(), {LEFT});
    EXPECT_TRUE(forced.copied.empty());
    EXPECT_FALSE(forced.incomplete);
    EXPECT_FALSE(grab_region(cell, backend, true, LEFT, region.data(), region.size()));
    EXPECT_FALSE(cell.borrow()->has_value());

    ASSERT_FALSE(prewarm_step(cell, backend, false));
    {
        auto held = cell.borrow();
        EXPECT_FALSE(prewarm_step(cell, backend, false));
        const GrabResult g = grab_outputs(cell, backend, false, f.buffer(), {LEFT});
        EXPECT_TRUE(g.copied.empty());
        EXPECT_FALSE(g.incomplete);
        EXPECT_FALSE(grab_region(cell, backend, false, LEFT, region.data(), region.size()));
        drop_capturer(cell);
        EXPECT_TRUE(held->has_value()) << "dropping is skipped while the cell is borrowed";
    }
    drop_capturer(cell);
    EXPECT_FALSE(cell.borrow()->has_value());
}

// Region grabs (frame_to_dib's desktop-duplication part).
class RegionGrab : public Capturer {
protected:
    void SetUp() override {
        Capturer::SetUp();
        backend.adapters = {{1, u"gpu", {ready(LEFT, ROTATION_IDENTITY, 1), ready(RIGHT, ROTATION_90, 2)}, false}};
        ASSERT_FALSE(prewarm_step(cell, backend, false));
        Frozen whole(7, 4);
        ASSERT_EQ(grab_outputs(cell, backend, false, whole.buffer(), {LEFT, RIGHT}).copied.size(), 2u);
        reference = whole;
    }
    // What the region must hold: the frozen grab of both monitors, cut out.
    void expect_region(const Rect& r, const std::vector<uint32_t>& px) {
        for (int32_t y = r.t; y < r.b; ++y)
            for (int32_t x = r.l; x < r.r; ++x)
                ASSERT_EQ(px[static_cast<size_t>(y - r.t) * r.width() + (x - r.l)], reference.at(x, y)) << x << "," << y;
    }
    Frozen reference{1, 1};
};

TEST_F(RegionGrab, CrossingTwoOutputsIsAssembledFromBoth) {
    const Rect regions[] = {{2, 1, 6, 3}, {4, 0, 7, 4}, {0, 0, 4, 3}, {5, 3, 6, 4}};
    for (const Rect& r : regions) {
        SCOPED_TRACE(rect_text(r));
        std::vector<uint32_t> px(static_cast<size_t>(r.area()), SENTINEL);
        ASSERT_TRUE(grab_region(cell, backend, false, r, px.data(), px.size()));
        expect_region(r, px);
    }
}

TEST_F(RegionGrab, RegionTextureIsKeptWhileTheSizeStays) {
    const int before = backend.n.staging_textures;
    std::vector<uint32_t> px(4);
    ASSERT_TRUE(grab_region(cell, backend, false, Rect{0, 0, 2, 2}, px.data(), px.size()));
    ASSERT_TRUE(grab_region(cell, backend, false, Rect{1, 1, 3, 3}, px.data(), px.size()));
    EXPECT_EQ(backend.n.staging_textures - before, 1);
    ASSERT_TRUE(grab_region(cell, backend, false, Rect{0, 0, 4, 1}, px.data(), px.size()));
    EXPECT_EQ(backend.n.staging_textures - before, 2);
    // At 90 degrees the region texture is h x w.
    ASSERT_TRUE(grab_region(cell, backend, false, Rect{4, 0, 5, 4}, px.data(), px.size()));
    const auto borrow = cell.borrow();
    const auto& tex = (*borrow)->outputs[1].region_texture;
    ASSERT_TRUE(tex);
    EXPECT_EQ(tex->width, 4u);
    EXPECT_EQ(tex->height, 1u);
}

TEST_F(RegionGrab, AnythingDuplicationCannotCoverGoesToGdi) {
    struct Case {
        const char* what;
        Rect rect;
    };
    const Case cases[] = {
        {"partly outside every output", Rect{2, 2, 6, 5}},
        {"wholly outside", Rect{20, 20, 30, 30}},
        {"empty", Rect{3, 3, 3, 5}},
    };
    for (const Case& k : cases) {
        std::vector<uint32_t> px(64, SENTINEL);
        EXPECT_FALSE(grab_region(cell, backend, false, k.rect, px.data(), px.size())) << k.what;
    }
    std::vector<uint32_t> short_buffer(3);
    EXPECT_FALSE(grab_region(cell, backend, false, Rect{0, 0, 2, 2}, short_buffer.data(), short_buffer.size()));
    EXPECT_FALSE(grab_region(cell, backend, false, Rect{0, 0, 2, 2}, nullptr, 4));
}

TEST_F(RegionGrab, AnOutputThatCannotDeliverSendsTheWholeRegionToGdi) {
    std::vector<uint32_t> px(4);
    const Rect across{3, 0, 5, 2};
    {
        auto borrow = cell.borrow();
        (*borrow)->outputs[1].has_frame = false;
    }
    EXPECT_FALSE(grab_region(cell, backend, false, across, px.data(), px.size()));
    ScriptedFrame lost;
    lost.hr = HR_DXGI_ACCESS_LOST;
    backend.out(0, 1).frames.push_back(lost);
    {
        auto borrow = cell.borrow();
        (*borrow)->outputs[1].has_frame = true;
    }
    EXPECT_FALSE(grab_region(cell, backend, false, across, px.data(), px.size()));
    EXPECT_TRUE(capturer().recreate);
    EXPECT_FALSE(grab_region(cell, backend, false, Rect{0, 0, 1, 1}, px.data(), px.size()))
        << "no region grab until the rebuild";
}

TEST(RegionGrabClones, ClonedOutputsDoNotCountTwice) {
    // Two outputs show the same area; the region's right half lies on neither. Their areas sum
    // to the region's, yet half of it would stay unfilled.
    FakeBackend be;
    CapturerCell cell;
    be.adapters = {{1, u"gpu", {ready(LEFT, ROTATION_IDENTITY, 1), ready(LEFT, ROTATION_IDENTITY, 2)}, false}};
    ASSERT_FALSE(prewarm_step(cell, be, false));
    std::vector<uint32_t> px(24, SENTINEL);
    EXPECT_FALSE(grab_region(cell, be, false, Rect{0, 0, 8, 3}, px.data(), px.size()));
    EXPECT_TRUE(grab_region(cell, be, false, LEFT, px.data(), px.size()));
}

