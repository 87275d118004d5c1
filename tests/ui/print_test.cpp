// "&Print" through the real path: the page setup dialog answered with the
// PDF printer, a printer DC over QPrinter, and the page's figures drawn
// with MM_LOMETRIC. The PDF is rasterised at 254 dpi, where one pixel is
// one page unit (0.1 mm), so true size is read straight off the pixels.
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "export_run.h"
#include "main_window_fixture.h"
#include "printed_page.h"

namespace {

class PrintTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        blocksBefore_ = TestCountGlobalBlocks();
    }
    void TearDown() override {
        EXPECT_EQ(TestCountGlobalBlocks(), blocksBefore_) << "global memory blocks left over";
        MainWindowTest::TearDown();
    }

    // A message box the print command showed, as the hook saw it.
    struct ShownBox {
        HWND owner;
        std::string caption;
        std::string text;
        UINT type;
    };

    // Prints the page as a user would, choosing a printer (or cancelling)
    // in the page setup dialog; `chosen` runs as the choice is made. Every
    // message box is answered with OK and kept in boxes_.
    void Print(const std::string& file, bool landscape = false, int answer = IDOK,
               const char* device = PDF_PRINTER_NAME, std::function<void()> chosen = nullptr) {
        boxes_.clear();
        AnswerModals([&](const ModalRequest& request) {
            if (request.kind == ModalRequest::MessageBox) {
                boxes_.push_back({request.owner, request.caption, request.text, request.type});
                return IDOK;
            }
            if (request.kind != ModalRequest::PageSetup) return 0;
            snprintf(request.pageSetup->device, sizeof request.pageSetup->device, "%s", device);
            snprintf(request.pageSetup->output, sizeof request.pageSetup->output, "%s", file.c_str());
            request.pageSetup->landscape = landscape;
            if (chosen) chosen();
            return answer;
        });
        Command(IDC_PRINT);
    }

    // The one box a failed print showed: owned by the main window, with
    // the command's caption and an error icon.
    std::string FailureText() {
        if (boxes_.size() != 1) return "(" + std::to_string(boxes_.size()) + " boxes)";
        EXPECT_EQ(boxes_[0].owner, window);
        EXPECT_EQ(boxes_[0].caption, "Print");
        EXPECT_EQ(boxes_[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
        return boxes_[0].text;
    }

    std::string PdfFile() { return folder_.File("printed.pdf"); }

    // One figure of each kind, at known places in page units.
    void StoreFigureSet() {
        constexpr COLORREF kRed = 0x0000FF, kGreen = 0x00FF00, kBlack = 0;
        Finish({1, {{100, -100}, {1100, -100}}, nullptr, kBlack, PS_SOLID, 3});          // 100 mm
        Finish({6, {{200, -300}, {700, -600}}, nullptr, kBlack, PS_SOLID, 3});           // 50 x 30 mm
        Finish({4, {{1050, -550}, {250, 250}}, nullptr, kBlack, PS_SOLID, 3, kRed, 1});  // filled circle
        Finish({3, {{200, -1200}, {600, -1200}, {400, -1500}}, nullptr, kBlack, PS_SOLID, 3, kGreen, 1});
        Finish({7, {{200, -1000}}, "Tarnwick", kBlack, PS_SOLID, 3, 0, 0, 50});
    }

    // Checks the figure set on a page rasterised at one pixel per page
    // unit; returns where the page's origin fell on the sheet (the
    // printable area's top-left corner), found from the line's left end.
    static POINT ExpectFigureSetAtTrueSize(const PrintedPage& page) {
        int top = 0;
        while (top < page.Height() && page.InkedSpan(top, 0, page.Width() - 1).first < 0) ++top;
        const int lineRow = top + 1;  // the middle of a pen three pixels wide
        auto [first, last] = page.InkedSpan(lineRow, 0, page.Width() - 1);
        const POINT origin{first - 99, lineRow - 100};
        auto ink = [&](int x, int y) { return page.IsInk(origin.x + x, origin.y + y); };
        auto at = [&](int x, int y) { return page.At(origin.x + x, origin.y + y); };
        // The line: 100 mm, plus the round ends of a 0.3 mm pen.
        EXPECT_NEAR(last - first + 1, 1003, 5) << first << ".." << last;
        // The rectangle's corners, and its inside left blank.
        for (auto [x, y] : {std::pair{200, 300}, {699, 300}, {200, 599}, {699, 599}})
            EXPECT_TRUE(ink(x, y)) << x << "," << y;
        EXPECT_FALSE(ink(450, 450));
        // The circle's fill and outline, the triangle's fill, the text's ink.
        EXPECT_EQ(at(1050, 550), RGB(255, 0, 0));
        EXPECT_TRUE(ink(1050, 301));
        EXPECT_FALSE(ink(1050, 290));
        EXPECT_EQ(at(400, 1300), RGB(0, 255, 0));
        EXPECT_GT(page.InkedSpan(origin.y + 985, origin.x + 200, origin.x + 700).first, 0);
        // No sheet colour, ruling or margin line: white wherever no figure is.
        auto box = [&](int left, int top, int right, int bottom) {
            return RECT{origin.x + left, origin.y + top, origin.x + right, origin.y + bottom};
        };
        EXPECT_EQ(page.InkOutside({box(90, 90, 1110, 110), box(190, 290, 710, 610), box(790, 290, 1310, 810),
                                   box(190, 1190, 610, 1510), box(190, 930, 700, 1020)}),
                  0);
        return origin;
    }

    int blocksBefore_ = 0;
    std::vector<ShownBox> boxes_;
};

// The PDF printer prints on US Letter to the sheet's edges, so the page's
// origin is the sheet's top-left corner.
TEST_F(PrintTest, FiguresLandAtTheirTrueSizeAndNothingOfTheSheetIsPrinted) {
    StoreFigureSet();
    Print(PdfFile());

    PrintedPage page(PdfFile());
    ASSERT_TRUE(page.Valid());
    EXPECT_EQ(page.Info("Pages"), "1");
    EXPECT_EQ(page.Info("Title"), "Tarnwick Page");
    EXPECT_EQ(page.Info("Page size").substr(0, 10), "612 x 792 ");  // US Letter, portrait
    const POINT origin = ExpectFigureSetAtTrueSize(page);
    EXPECT_NEAR(origin.x, 0, 1);
    EXPECT_NEAR(origin.y, 0, 1);
}

// The page setup dialog's paper and orientation are not used, a page
// without figures still gives one blank sheet, and a shape under way stays
// on the screen: printing repaints nothing, and the next pointer move draws
// on the canvas again.
TEST_F(PrintTest, EmptyPagePrintsOnePortraitBlankSheetAndTheCanvasDrawsOn) {
    Command(ID_LINE_TOOL);
    Click(100, 100);  // a line under way
    EXPECT_FALSE(Repaints([&] { Print(PdfFile(), true); }));

    PrintedPage page(PdfFile());
    ASSERT_TRUE(page.Valid());
    EXPECT_EQ(page.Info("Pages"), "1");
    EXPECT_EQ(page.Info("Page size").substr(0, 10), "612 x 792 ");
    EXPECT_EQ(page.InkOutside({}), 0);

    const COLORREF before = PixelAt(200, 100);
    Mouse(WM_MOUSEMOVE, 300, 100);
    EXPECT_NE(PixelAt(200, 100), before) << "the line's feedback is drawn on the canvas";
}

TEST_F(PrintTest, CancellingPrintsNothingChangesNothingAndSaysNothing) {
    EXPECT_FALSE(Repaints([&] { Print(PdfFile(), false, IDCANCEL); }));
    EXPECT_FALSE(std::filesystem::exists(PdfFile()));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_TRUE(boxes_.empty());
}

// Writes past a size make a file write fail, as on a full disk, while it
// lives.
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &before_);
        ignored_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, before_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, ignored_);
    }

private:
    rlimit before_{};
    void (*ignored_)(int) = nullptr;
};

// Past the page setup dialog, a print that fails says what failed, and
// leaves no file behind.
TEST_F(PrintTest, APrintThatFailsAfterThePageSetupTellsWhatFailed) {
    StoreFigureSet();
    const std::string missingFolderFile = folder_.File("gone/page.pdf");
    Print(missingFolderFile);
    EXPECT_EQ(FailureText(), "Nothing was printed: the file \"" + missingFolderFile + "\" could not be written.");

    Print(PdfFile(), false, IDOK, "no-such-queue");  // the dialog fails: no printer is chosen
    EXPECT_EQ(FailureText(), "Nothing was printed: the printer could not be set up.");

    {
        FullDisk full(4096);
        Print(PdfFile());
    }
    EXPECT_EQ(FailureText(), "Nothing was printed: the file \"" + PdfFile() + "\" could not be written whole.");
    EXPECT_FALSE(std::filesystem::exists(PdfFile())) << "a PDF cut short is left";
}

// The notebook export draws a page as Print puts it on a sheet, and reads
// the notebook while the program has it open.
TEST_F(PrintTest, ExportedPageIsThePrintedSheet) {
    StoreFigureSet();
    Print(PdfFile());
    const ExportResult exported = RunExport(folder_.Path(), {"--export-pdf", "exported.pdf"});
    ASSERT_EQ(exported.exitCode, 0) << exported.errors;

    const PrintedPage printed(PdfFile()), page(folder_.File("exported.pdf"));
    ASSERT_TRUE(printed.Valid());
    EXPECT_EQ(page.Info("Pages"), "1");
    EXPECT_TRUE(page == printed) << "the exported page differs from the printed sheet";
}

// A real print queue, which tests/print/cups_print_test.sh sets up on a
// private CUPS scheduler: the first half prints the figure set to the queue
// named in TARNWICK_PRINT_QUEUE; once the job is done, the second half
// measures the PDF the queue wrote, named in TARNWICK_PRINTED_PDF. Each
// skips when run without its variable.
TEST_F(PrintTest, QueuePrintsTheFigureSet) {
    const char* queue = std::getenv("TARNWICK_PRINT_QUEUE");
    if (queue == nullptr) GTEST_SKIP() << "no print queue named";
    StoreFigureSet();
    Print("", false, IDOK, queue);
}

// Queues that fail the job (tests/print/cups_print_test.sh): one that
// refuses jobs, and one that is removed while the page setup dialog
// closes, so no printer DC can be made for it.
TEST_F(PrintTest, QueueRefusingTheJobIsTold) {
    const char* queue = std::getenv("TARNWICK_REFUSING_QUEUE");
    if (queue == nullptr) GTEST_SKIP() << "no refusing queue named";
    StoreFigureSet();
    Print("", false, IDOK, queue);
    EXPECT_EQ(FailureText(), std::string("Nothing was printed: the printer \"") + queue + "\" refused the print job.");
}

TEST_F(PrintTest, QueueGoneBeforePrintingIsTold) {
    const char* queue = std::getenv("TARNWICK_VANISHING_QUEUE");
    if (queue == nullptr) GTEST_SKIP() << "no vanishing queue named";
    StoreFigureSet();
    Print("", false, IDOK, queue, [&] {
        EXPECT_EQ(std::system((std::string("lpadmin -x '") + queue + "'").c_str()), 0);
    });
    EXPECT_EQ(FailureText(), std::string("Nothing was printed: the printer \"") + queue + "\" could not be opened.");
}

TEST_F(PrintTest, QueuesPdfHoldsTheFigureSetAtTrueSize) {
    const char* pdf = std::getenv("TARNWICK_PRINTED_PDF");
    if (pdf == nullptr) GTEST_SKIP() << "no printed PDF named";
    PrintedPage page(pdf);
    ASSERT_TRUE(page.Valid());
    EXPECT_EQ(page.Info("Pages"), "1");
    EXPECT_EQ(page.Info("Page size").substr(0, 10), "612 x 792 ");  // the queue's own paper
    ExpectFigureSetAtTrueSize(page);
}

}  // namespace
