// --capture on the helper target's window: the PNG has the window's size, and read back by the
// system's decoder it shows the window's own background where nothing else is drawn.
#include "cli/Arguments.h"
#include "cli/CliRun.h"
#include "harness/TargetClient.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <wincodec.h>

#include <filesystem>

namespace {

struct Decoded {
    UINT width = 0, height = 0;
    COLORREF centre = CLR_INVALID;
    COLORREF bottom = CLR_INVALID; // the last row's middle: the encoder takes the rows in bands
};

// The PNG read by WIC; a failure leaves `width` 0.
Decoded DecodePng(const std::wstring& path) {
    Decoded decoded;
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* factory = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                     WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr,
                                        0, WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(converter->GetSize(&decoded.width, &decoded.height))) {
        const auto pixel = [&](UINT y) {
            const WICRect one{static_cast<INT>(decoded.width / 2), static_cast<INT>(y), 1, 1};
            BYTE bgr[4] = {};
            return SUCCEEDED(converter->CopyPixels(&one, 4, 4, bgr)) ? RGB(bgr[2], bgr[1], bgr[0])
                                                                     : CLR_INVALID;
        };
        decoded.centre = pixel(decoded.height / 2);
        decoded.bottom = pixel(decoded.height - 1);
    }
    for (IUnknown* object : {static_cast<IUnknown*>(converter), static_cast<IUnknown*>(frame),
                             static_cast<IUnknown*>(decoder), static_cast<IUnknown*>(factory)})
        if (object)
            object->Release();
    ::CoUninitialize();
    return decoded;
}

TEST(Capture, PngHasTheWindowsSizeAndItsPixels) {
    harness::TargetProcess target;
    ASSERT_TRUE(target.IsRunning());
    HWND frame = target.Create(harness::WindowRequest::Frame(L"capture frame", {40, 40, 340, 240}));
    ASSERT_TRUE(frame);
    const std::filesystem::path file = std::filesystem::temp_directory_path() / L"orvex capture test.png";
    std::filesystem::remove(file);
    const std::wstring handle = cli_test::HandleArgument(frame);

    for (const bool client : {false, true}) {
        std::vector<std::wstring> arguments{L"--capture", handle, L"--out", file.wstring()};
        if (client)
            arguments.push_back(L"--client");
        const cli_test::CliRun run = cli_test::RunCli(arguments);
        ASSERT_EQ(run.status, orvex::cli::kExitSuccess) << run.errors;
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.errors.find(" written to "), std::string::npos) << run.errors;
        RECT expected{};
        if (client)
            ::GetClientRect(frame, &expected);
        else
            ::GetWindowRect(frame, &expected);
        const Decoded decoded = DecodePng(file.wstring());
        EXPECT_EQ(decoded.width, static_cast<UINT>(expected.right - expected.left));
        EXPECT_EQ(decoded.height, static_cast<UINT>(expected.bottom - expected.top));
        if (client) {
            EXPECT_EQ(decoded.centre, ::GetSysColor(COLOR_WINDOW)) << "the class's background brush";
            EXPECT_EQ(decoded.bottom, ::GetSysColor(COLOR_WINDOW)) << "the last rows, a band of their own";
        }
    }
    EXPECT_EQ(cli_test::RunCli({L"--capture", handle, L"--out", L"Z:\\no\\such\\folder\\x.png"}).status,
              orvex::cli::kExitOutputFile);
    std::filesystem::remove(file);
}

} // namespace
