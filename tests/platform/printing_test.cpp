// The printing calls of the port layer on their own: global memory blocks,
// the page setup dialog's checks and the blocks it hands back, and the life
// of a printer DC and its job.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>

#include "test_hooks.h"
#include "windows.h"

namespace {

TEST(GlobalMemory, MovableBlocksCountTheirLocksAndRefuseStaleHandles) {
    const int before = TestCountGlobalBlocks();
    HGLOBAL block = GlobalAlloc(GHND, 16);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 16u);
    auto* bytes = static_cast<unsigned char*>(GlobalLock(block));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(bytes[15], 0);  // GMEM_ZEROINIT
    EXPECT_EQ(GlobalLock(block), bytes);
    EXPECT_TRUE(GlobalUnlock(block));   // still locked once
    EXPECT_FALSE(GlobalUnlock(block));  // now unlocked
    EXPECT_FALSE(GlobalUnlock(block));  // was not locked
    EXPECT_EQ(TestCountGlobalBlocks(), before + 1);
    EXPECT_EQ(GlobalFree(block), nullptr);
    EXPECT_EQ(GlobalLock(block), nullptr);
    EXPECT_EQ(GlobalFree(block), block);  // a freed handle is refused, not freed twice

    HGLOBAL fixed = GlobalAlloc(GPTR, 8);
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(GlobalLock(fixed), fixed);  // a fixed block's handle is its memory
    EXPECT_EQ(GlobalSize(fixed), 8u);
    EXPECT_EQ(GlobalFree(fixed), nullptr);
    int local = 0;
    EXPECT_EQ(GlobalFree(&local), static_cast<HGLOBAL>(&local));
    EXPECT_EQ(TestCountGlobalBlocks(), before);
}

PAGESETUPDLGA NewSetup(DWORD flags) {
    PAGESETUPDLGA setup{};
    setup.lStructSize = sizeof(setup);
    setup.Flags = flags;
    return setup;
}

TEST(PageSetupDialog, RefusesWhatItCannotDo) {
    struct Case {
        DWORD size;
        DWORD flags;
        bool handles;
        DWORD error;
    } cases[] = {
        {sizeof(PAGESETUPDLGA) - 1, 0, false, CDERR_STRUCTSIZE},
        {84, 0, false, sizeof(PAGESETUPDLGA) == 84 ? 0u : CDERR_STRUCTSIZE},
        {sizeof(PAGESETUPDLGA), PSD_ENABLEPAGESETUPHOOK, false, CDERR_NOHOOK},
        {sizeof(PAGESETUPDLGA), PSD_ENABLEPAGEPAINTHOOK, false, CDERR_NOHOOK},
        {sizeof(PAGESETUPDLGA), PSD_ENABLEPAGESETUPTEMPLATE, false, CDERR_NOTEMPLATE},
        {sizeof(PAGESETUPDLGA), PSD_RETURNDEFAULT, true, PDERR_RETDEFFAILURE},
    };
    EXPECT_FALSE(PageSetupDlgA(nullptr));
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_STRUCTSIZE));
    for (const Case& c : cases) {
        if (c.error == 0) continue;
        PAGESETUPDLGA setup = NewSetup(c.flags);
        setup.lStructSize = c.size;
        HGLOBAL given = c.handles ? GlobalAlloc(GHND, sizeof(DEVMODEA)) : nullptr;
        setup.hDevMode = given;
        EXPECT_FALSE(PageSetupDlgA(&setup)) << c.flags;
        EXPECT_EQ(CommDlgExtendedError(), c.error) << c.flags;
        EXPECT_EQ(setup.hDevMode, given);
        if (given != nullptr) GlobalFree(given);
    }
}

// What a hook answers for the user, and what it was offered.
struct Answer {
    PageSetupChoice offered;
    const char* device;
    const char* output;
    BOOL landscape;
    int result;

    static int Give(const ModalRequest* request, void* context) {
        auto* answer = static_cast<Answer*>(context);
        if (request->kind != ModalRequest::PageSetup) return 0;
        answer->offered = *request->pageSetup;
        snprintf(request->pageSetup->device, sizeof request->pageSetup->device, "%s", answer->device);
        snprintf(request->pageSetup->output, sizeof request->pageSetup->output, "%s", answer->output);
        request->pageSetup->landscape = answer->landscape;
        return answer->result;
    }
};

std::string NameAt(const char* block, WORD offset) { return block + offset; }

TEST(PageSetupDialog, HandsBackTheChoiceInNewBlocksAndFreesTheGivenOnes) {
    const int before = TestCountGlobalBlocks();
    Answer answer{{}, PDF_PRINTER_NAME, "/tmp/page.pdf", TRUE, IDOK};
    SetModalAnswerHook(Answer::Give, &answer);
    PAGESETUPDLGA setup = NewSetup(PSD_INTHOUSANDTHSOFINCHES | PSD_MINMARGINS);
    setup.rtMinMargin = {100, 200, 300, 400};
    setup.hDevNames = GlobalAlloc(GHND, 64);  // names nothing: the default printer is offered
    HGLOBAL givenNames = setup.hDevNames;
    ASSERT_TRUE(PageSetupDlgA(&setup));
    SetModalAnswerHook(nullptr, nullptr);

    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_NE(setup.hDevNames, givenNames);
    EXPECT_EQ(GlobalLock(givenNames), nullptr) << "the caller's block was freed";
    const auto* names = static_cast<const char*>(GlobalLock(setup.hDevNames));
    ASSERT_NE(names, nullptr);
    const auto* offsets = reinterpret_cast<const DEVNAMES*>(names);
    EXPECT_EQ(NameAt(names, offsets->wDriverOffset), "winspool");
    EXPECT_EQ(NameAt(names, offsets->wDeviceOffset), PDF_PRINTER_NAME);
    EXPECT_EQ(NameAt(names, offsets->wOutputOffset), "/tmp/page.pdf");
    GlobalUnlock(setup.hDevNames);
    const auto* settings = static_cast<const DEVMODEA*>(GlobalLock(setup.hDevMode));
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->dmOrientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(settings->dmPaperSize, DMPAPER_LETTER);
    EXPECT_EQ(settings->dmSize, sizeof(DEVMODEA));
    GlobalUnlock(setup.hDevMode);
    EXPECT_EQ(setup.ptPaperSize.x, 11000);  // Letter, turned, in thousandths of an inch
    EXPECT_EQ(setup.ptPaperSize.y, 8500);
    EXPECT_EQ(setup.rtMargin.bottom, 400);

    GlobalFree(setup.hDevNames);
    GlobalFree(setup.hDevMode);
    EXPECT_EQ(TestCountGlobalBlocks(), before);
}

TEST(PageSetupDialog, CancelOrAnUnknownPrinterGivesNoBlocks) {
    const int before = TestCountGlobalBlocks();
    struct Case {
        Answer answer;
        DWORD error;
    } cases[] = {
        {{{}, PDF_PRINTER_NAME, "/tmp/page.pdf", FALSE, IDCANCEL}, 0},
        {{{}, "no-such-queue", "", FALSE, IDOK}, CDERR_DIALOGFAILURE},
        {{{}, PDF_PRINTER_NAME, "", FALSE, IDOK}, CDERR_DIALOGFAILURE},  // a PDF needs a file
    };
    for (Case& c : cases) {
        SetModalAnswerHook(Answer::Give, &c.answer);
        PAGESETUPDLGA setup = NewSetup(0);
        EXPECT_FALSE(PageSetupDlgA(&setup)) << c.answer.device;
        EXPECT_EQ(CommDlgExtendedError(), c.error) << c.answer.device;
        EXPECT_EQ(setup.hDevNames, nullptr);
        EXPECT_EQ(setup.hDevMode, nullptr);
    }
    SetModalAnswerHook(nullptr, nullptr);
    EXPECT_EQ(TestCountGlobalBlocks(), before);
}

class PrinterDc : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::remove(file_);
        dc_ = CreateDCA("winspool", PDF_PRINTER_NAME, file_.c_str(), nullptr);
        ASSERT_NE(dc_, nullptr);
    }
    void TearDown() override {
        if (dc_ != nullptr) DeleteDC(dc_);
        std::filesystem::remove(file_);
    }
    int StartDocument() {
        DOCINFOA document{sizeof(document), "Tarnwick Page", nullptr, "", 0};
        return StartDocA(dc_, &document);
    }

    // A name of this process's own: these tests may run side by side, and one
    // test's clean-up must not remove the other's file.
    std::string file_ = std::filesystem::temp_directory_path() /
                        ("tarnwick-printer-dc-" + std::to_string(getpid()) + ".pdf");
    HDC dc_ = nullptr;
};

// The PDF printer: US Letter at 1200 dpi to the sheet's edges.
TEST_F(PrinterDc, MeasuresTheSheetAtThePrintersResolution) {
    EXPECT_EQ(GetDeviceCaps(dc_, LOGPIXELSX), 1200);
    EXPECT_EQ(GetDeviceCaps(dc_, HORZRES), 10200);
    EXPECT_EQ(GetDeviceCaps(dc_, VERTRES), 13200);
    EXPECT_EQ(GetDeviceCaps(dc_, PHYSICALWIDTH), 10200);
    EXPECT_EQ(GetDeviceCaps(dc_, PHYSICALOFFSETX), 0);
    EXPECT_EQ(CreateDCA("winspool", "no-such-queue", "", nullptr), nullptr);
    EXPECT_EQ(CreateDCA("winspool", PDF_PRINTER_NAME, "", nullptr), nullptr) << "the PDF printer needs a file";
}

TEST_F(PrinterDc, JobStepsKeepTheirOrderAndAnUnfinishedJobPrintsNothing) {
    EXPECT_EQ(StartPage(dc_), SP_ERROR);  // before StartDocA
    DOCINFOA shortInfo{sizeof(DOCINFOA) - 4, "x", nullptr, nullptr, 0};
    EXPECT_EQ(StartDocA(dc_, &shortInfo), SP_ERROR);
    EXPECT_GT(StartDocument(), 0);
    EXPECT_EQ(StartDocument(), SP_ERROR);  // already started
    EXPECT_GT(StartPage(dc_), 0);
    EXPECT_TRUE(Rectangle(dc_, 100, 100, 2000, 2000));
    EXPECT_GT(EndPage(dc_), 0);
    DeleteDC(dc_);  // without EndDoc
    dc_ = nullptr;
    EXPECT_FALSE(std::filesystem::exists(file_) && std::filesystem::file_size(file_) > 0);
}

// The PDF printer's papers, named and coded as DeviceCapabilitiesA gives
// them, and each taken from a DEVMODE by CreateDCA with its orientation.
TEST(PrinterPapers, EachPaperNamedAndCodedIsTheSheetADevModeAsksFor) {
    struct PaperRow {
        WORD code;
        const char* name;
        int widthMm, heightMm;  // portrait
    } rows[] = {
        {DMPAPER_LETTER, "Letter", 216, 279},  // the program's own paper, listed first
        {DMPAPER_LEGAL, "Legal", 216, 356},
        {DMPAPER_A4, "A4", 210, 297},
    };
    constexpr int kCount = sizeof rows / sizeof rows[0];
    ASSERT_EQ(DeviceCapabilitiesA(PDF_PRINTER_NAME, nullptr, DC_PAPERS, nullptr, nullptr), kCount);
    WORD codes[kCount] = {};
    char names[kCount][64] = {};
    ASSERT_EQ(DeviceCapabilitiesA(PDF_PRINTER_NAME, nullptr, DC_PAPERS, reinterpret_cast<LPSTR>(codes), nullptr), kCount);
    ASSERT_EQ(DeviceCapabilitiesA(PDF_PRINTER_NAME, nullptr, DC_PAPERNAMES, names[0], nullptr), kCount);
    const std::string file = std::filesystem::temp_directory_path() / "tarnwick-papers.pdf";
    for (int i = 0; i < kCount; ++i) {
        EXPECT_EQ(codes[i], rows[i].code) << i;
        EXPECT_STREQ(names[i], rows[i].name) << i;
        for (bool landscape : {false, true}) {
            DEVMODEA settings{};
            settings.dmSize = sizeof settings;
            settings.dmFields = DM_PAPERSIZE | DM_ORIENTATION;
            settings.dmPaperSize = static_cast<short>(codes[i]);
            settings.dmOrientation = landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
            HDC dc = CreateDCA(nullptr, PDF_PRINTER_NAME, file.c_str(), &settings);
            ASSERT_NE(dc, nullptr) << rows[i].name;
            const int across = landscape ? rows[i].heightMm : rows[i].widthMm;
            const int down = landscape ? rows[i].widthMm : rows[i].heightMm;
            EXPECT_NEAR(GetDeviceCaps(dc, HORZSIZE), across, 1) << rows[i].name << (landscape ? " landscape" : "");
            EXPECT_NEAR(GetDeviceCaps(dc, VERTSIZE), down, 1) << rows[i].name << (landscape ? " landscape" : "");
            DeleteDC(dc);
        }
    }
    EXPECT_EQ(DeviceCapabilitiesA("no-such-queue", nullptr, DC_PAPERS, nullptr, nullptr), -1);
    EXPECT_EQ(DeviceCapabilitiesA(PDF_PRINTER_NAME, nullptr, 1 /* DC_FIELDS */, nullptr, nullptr), -1);
}

// A PDF the disk could not take whole is no print: EndDoc fails and the
// file cut short is removed.
TEST_F(PrinterDc, APdfCutShortFailsItsJobAndIsRemoved) {
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    auto* signalBefore = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit full{2048, before.rlim_max};
    setrlimit(RLIMIT_FSIZE, &full);
    EXPECT_GT(StartDocument(), 0);
    EXPECT_GT(StartPage(dc_), 0);
    EXPECT_TRUE(TextOutA(dc_, 100, 100, "More than the disk holds", 24));
    EXPECT_GT(EndPage(dc_), 0);
    const int ended = EndDoc(dc_);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, signalBefore);
    EXPECT_EQ(ended, SP_ERROR);
    EXPECT_FALSE(std::filesystem::exists(file_));

    EXPECT_GT(StartDocument(), 0);  // with room on the disk, the same job prints
    EXPECT_GT(StartPage(dc_), 0);
    EXPECT_TRUE(TextOutA(dc_, 100, 100, "More than the disk holds", 24));
    EXPECT_GT(EndPage(dc_), 0);
    EXPECT_GT(EndDoc(dc_), 0);
    EXPECT_GT(std::filesystem::file_size(file_), 2048u);
}

}  // namespace
