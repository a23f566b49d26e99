// Property tree benchmark: filling a CPropTree with N items (N/100 categories of 100 items) and its
// first paint, beside the same items in the system tree-view, for N = 1,000, 10,000 and 100,000;
// and one paint of the row list with 100 and with 100,000 expanded rows in the same window.
#include <Marlow17.h>
#include <CPropTree.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const int kWidth = 400;
const int kHeight = 600;
const int kItemsPerCategory = 100;

double Now()
{
    static LARGE_INTEGER frequency = {};
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return (double)counter.QuadPart / (double)frequency.QuadPart;
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The median of `runs` timings of run(), in milliseconds; prepare() and cleanup() are not timed.
double MedianMs(int runs, const std::function<void()>& prepare, const std::function<void()>& run,
                const std::function<void()>& cleanup)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const double start = Now();
        run();
        times.push_back((Now() - start) * 1000.0);
        cleanup();
        Pump();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

class Host
{
public:
    Host()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
        wc.lpszClassName = "PropTreeBenchHost";
        RegisterClassA(&wc);
        m_hwnd = CreateWindowExA(0, wc.lpszClassName, "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 kWidth + 40, kHeight + 60, nullptr, nullptr, wc.hInstance, nullptr);
        UpdateWindow(m_hwnd);
    }
    ~Host() { DestroyWindow(m_hwnd); }
    HWND hwnd() const { return m_hwnd; }

private:
    HWND m_hwnd;
};

// One property tree at a time, filled and painted.
struct PropTreeCase
{
    explicit PropTreeCase(HWND host) : host(host) {}

    void Create()
    {
        tree = new CPropTree;
        tree->Create(WS_CHILD | WS_VISIBLE | PTREES_NOTIFY, CRect(0, 0, kWidth, kHeight), CWnd::FromHandle(host), 1);
        tree->ShowInfoText(FALSE);
        RedrawWindow(host, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        Pump();
    }
    void Fill(int categories, int perCategory, bool expanded)
    {
        char label[32];
        for (int c = 0; c < categories; ++c) {
            snprintf(label, sizeof(label), "Category %d", c);
            CPropTreeItem* category = new CPropTreeItem;
            category->SetLabelText(label);
            tree->InsertItem(category);
            category->Expand(expanded);
            for (int i = 0; i < perCategory; ++i) {
                snprintf(label, sizeof(label), "Property %d", i);
                CPropTreeItem* item = new CPropTreeItem;
                item->SetLabelText(label);
                tree->InsertItem(item, category);
            }
        }
    }
    void PaintNow() { RedrawWindow(tree->GetSafeHwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }
    void Destroy()
    {
        tree->DestroyWindow();
        delete tree;
        tree = nullptr;
    }

    HWND host;
    CPropTree* tree = nullptr;
};

// The same for the system tree-view.
struct TreeViewCase
{
    explicit TreeViewCase(HWND host) : host(host) {}

    void Create()
    {
        tv = CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES
                             | TVS_LINESATROOT, 0, 0, kWidth, kHeight, host, (HMENU)2, GetModuleHandleA(nullptr), nullptr);
        RedrawWindow(host, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        Pump();
    }
    void Fill(int categories, int perCategory, bool expanded)
    {
        char label[32];
        TVINSERTSTRUCTA insert = {};
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_STATE;
        insert.item.pszText = label;
        for (int c = 0; c < categories; ++c) {
            snprintf(label, sizeof(label), "Category %d", c);
            insert.hParent = TVI_ROOT;
            insert.item.state = expanded ? TVIS_EXPANDED : 0;
            insert.item.stateMask = TVIS_EXPANDED;
            HTREEITEM category = (HTREEITEM)SendMessageA(tv, TVM_INSERTITEMA, 0, (LPARAM)&insert);
            insert.hParent = category;
            insert.item.state = 0;
            for (int i = 0; i < perCategory; ++i) {
                snprintf(label, sizeof(label), "Property %d", i);
                SendMessageA(tv, TVM_INSERTITEMA, 0, (LPARAM)&insert);
            }
        }
    }
    void PaintNow() { RedrawWindow(tv, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }
    void Destroy() { DestroyWindow(tv); }

    HWND host;
    HWND tv = nullptr;
};

// Median over runs of filling a new window with n items and painting it; fewer runs for the
// bigger sizes.
template <class Case>
double FillAndPaintMs(HWND host, int n, bool expanded, int maxRuns = 7)
{
    Case c(host);
    const int runs = std::min(maxRuns, n >= 100000 ? 1 : n >= 10000 ? 3 : 7);
    return MedianMs(runs, [&] { c.Create(); },
                    [&] {
                        c.Fill(n / kItemsPerCategory, kItemsPerCategory, expanded);
                        c.PaintNow();
                    },
                    [&] { c.Destroy(); });
}

// One paint of the list with `rows` expanded rows (categories of 100 rows each).
double ListPaintMs(HWND host, int rows)
{
    PropTreeCase c(host);
    c.Create();
    c.Fill(std::max(1, rows / kItemsPerCategory), std::min(rows, kItemsPerCategory) - 1, true);
    c.PaintNow();
    Pump();
    HWND list = c.tree->GetCtrlParent()->GetSafeHwnd();
    const double ms = MedianMs(15, [&] { InvalidateRect(list, nullptr, FALSE); }, [&] { UpdateWindow(list); }, [] {});
    c.Destroy();
    return ms;
}

void PrintRow(int n, double ours, double peer)
{
    if (peer > 0)
        printf(" | %10.1f %12.1f %8.3f", ours, peer, ours / peer);
    else
        printf(" | %10.1f %12s %8s", ours, "-", "-");
}

}  // namespace

int main()
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    Host host;

    const int sizes[] = {1000, 10000, 100000};
    double ours[2][3], peer[2][3];
    printf("Property tree: insertion of N items (N/100 categories x 100 items) with the first paint, ms\n");
    printf("%8s | %-32s | %-32s\n", "", "categories collapsed", "categories expanded");
    printf("%8s | %10s %12s %8s | %10s %12s %8s\n", "N", "CPropTree", "SysTreeView", "ratio", "CPropTree",
           "SysTreeView", "ratio");
    for (int i = 0; i < 3; ++i) {
        for (int e = 0; e < 2; ++e) {
            ours[e][i] = FillAndPaintMs<PropTreeCase>(host.hwnd(), sizes[i], e == 1);
            // The tree-view redraws its scroll bar for every item it adds under an expanded parent
            // (several milliseconds each here), so it is measured that way once, at the smallest size.
            if (e == 0)
                peer[e][i] = FillAndPaintMs<TreeViewCase>(host.hwnd(), sizes[i], false);
            else
                peer[e][i] = i == 0 ? FillAndPaintMs<TreeViewCase>(host.hwnd(), sizes[i], true, 1) : 0.0;
        }
        printf("%8d", sizes[i]);
        PrintRow(sizes[i], ours[0][i], peer[0][i]);
        PrintRow(sizes[i], ours[1][i], peer[1][i]);
        printf("\n");
        fflush(stdout);
    }

    const double paint100 = ListPaintMs(host.hwnd(), 100);
    const double paint100k = ListPaintMs(host.hwnd(), 100000);
    printf("\nOne paint of the row list (%dx%d, median of 15): 100 rows %.3f ms, 100,000 rows %.3f ms\n", kWidth,
           kHeight, paint100, paint100k);

    printf("\nRatios [target]\n");
    printf("  ours / tree-view at 10,000 (categories collapsed)   %8.3f  [<= 0.5]\n", ours[0][1] / peer[0][1]);
    printf("  ours / tree-view at 1,000 (categories expanded)     %8.3f\n", ours[1][0] / peer[1][0]);
    printf("  ours 100,000 / ours 10,000 (categories collapsed)   %8.3f  [<= 15]\n", ours[0][2] / ours[0][1]);
    printf("  ours 100,000 / ours 10,000 (categories expanded)    %8.3f  [<= 15]\n", ours[1][2] / ours[1][1]);
    printf("  paint of 100,000 rows / paint of 100 rows           %8.3f  [<= 5]\n", paint100k / paint100);
    return 0;
}
