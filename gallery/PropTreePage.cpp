// The Property tree page: a property tree with three categories of a dozen properties, its
// description pane, and a log line for every notification the page hears from it.
#include "GalleryPage.h"

#include <Marlow17.h>
#include <CPropTree.h>
#include <iterator>
#include <memory>

namespace {

// A property whose value cell shows a text; a text too wide for the cell asks for the title tip.
// (The editor kinds come with their own drawing; this one only shows.)
class ValueItem : public CPropTreeItem
{
public:
    ValueItem(const char* label, const char* value, const char* info)
    {
        SetLabelText(label);
        SetInfoText(info);
        m_sValue = value;
    }

    void DrawAttribute(CDC* pDC, const RECT& rc) override
    {
        CFont* pOldFont = pDC->SelectObject(CPropTree::GetNormalFont());
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(::GetSysColor(IsReadOnly() ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
        CRect rcText = rc;
        pDC->DrawText(m_sValue, rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        m_bNeedTip = pDC->GetTextExtent(m_sValue).cx > rcText.Width();
        m_sAttribShowText = m_bNeedTip ? m_sValue : CString();
        pDC->SelectObject(pOldFont);
    }

private:
    CString m_sValue;
};

struct Property
{
    const char* label;
    const char* value;
    const char* info;
    bool checkBox;
    bool readOnly;
};

struct Category
{
    const char* label;
    const char* info;
    Property properties[4];
};

const Category s_categories[] = {
    { "Appearance", "How the control looks.",
      { { "Caption", "Quarterly sales by region", "The text shown in the control's title bar.", false, false },
        { "Font", "Tahoma, 8 pt", "The face and size of the text.", false, false },
        { "Border", "Sunken", "The edge drawn round the control: none, flat, raised or sunken.", false, false },
        { "Visible", "Yes", "Whether the control is shown when its form opens.", true, false } } },
    { "Behaviour", "What the control does when the user works with it.",
      { { "Tab stop", "Yes", "Whether Tab moves the focus to the control.", true, false },
        { "Read only", "No", "Whether the user may change the value.", true, false },
        { "Help file", "C:\\Program Files\\Marlow Controls\\Help\\Reports and charts.chm",
          "The help file opened by F1; the path is longer than its cell, so hovering shows it whole.", false, false },
        { "Tooltip delay", "500 ms", "How long the mouse rests before a tooltip appears.", false, false } } },
    { "Data", "Where the control's values come from.",
      { { "Source", "sales_2024.csv", "The file or table the values are read from.", false, false },
        { "Rows", "1,284", "The number of rows read; computed, so it cannot be changed.", false, true },
        { "Refresh", "Every 5 minutes", "How often the source is read again.", false, false },
        { "Key column", "Region", "The column that names each row.", false, false } } },
};

// Names of the notifications the tree sends.
struct CodeName
{
    UINT code;
    const char* name;
};
const CodeName s_codeNames[] = {
    { PTREEN_INSERTITEM, "PTREEN_INSERTITEM" },     { PTREEN_DELETEITEM, "PTREEN_DELETEITEM" },
    { PTREEN_ITEMCHANGED, "PTREEN_ITEMCHANGED" },   { PTREEN_SELCHANGE, "PTREEN_SELCHANGE" },
    { PTREEN_ITEMEXPANDING, "PTREEN_ITEMEXPANDING" }, { PTREEN_COLUMNCLICK, "PTREEN_COLUMNCLICK" },
    { PTREEN_PROPCLICK, "PTREEN_PROPCLICK" },       { PTREEN_CHECKCLICK, "PTREEN_CHECKCLICK" },
    { PTREEN_SELCOMMIT, "PTREEN_SELCOMMIT" },
};

class PropTreePage : public GalleryPage
{
public:
    ~PropTreePage() override
    {
        m_tree.reset();
        DestroyWindow(GetHwnd());
    }
    const char* Name() const override { return "Property tree"; }

protected:
    static const UINT kTreeId = 300;

    void OnCreate() override
    {
        AddChild("STATIC",
                 "Click a row to see its description; click the boxes to expand or check, drag the divider, use the "
                 "arrow keys.",
                 SS_LEFT, 12, 12, 700, 18);
        m_tree = std::make_unique<CPropTree>();
        if (!m_tree->Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(12, 38, 412, 450),
                            CWnd::FromHandle(GetHwnd()), kTreeId)) {
            Log("the property tree could not be created");
            return;
        }
        m_tree->SetColumn(150);
        CPropTreeItem* focus = nullptr;
        for (const Category& category : s_categories) {
            CPropTreeItem* parent = m_tree->InsertItem(new ValueItem(category.label, "", category.info));
            for (const Property& property : category.properties) {
                ValueItem* item = new ValueItem(property.label, property.value, property.info);
                item->HasCheckBox(property.checkBox);
                item->Check(property.checkBox && property.value[0] == 'Y');
                item->ReadOnly(property.readOnly);
                m_tree->InsertItem(item, parent);
                focus = focus ? focus : item;
            }
            parent->Expand();
        }
        m_tree->UpdatedItems();
        m_tree->ModifyStyle(0, PTREES_NOTIFY);    // from here on the page hears what the user does
        // The first property starts focused, so the description pane has something to show.
        m_tree->SetFocusedItem(focus);
        focus->Select();
        AddChild("STATIC",
                 "Every notification the page hears is written to the log below: selection, expansion, check "
                 "boxes, value clicks and divider drags.",
                 SS_LEFT, 430, 38, 280, 80);
    }

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY && wParam == kTreeId)
            LogNotification(*reinterpret_cast<const PropTreeNotify*>(lParam));
        return GalleryPage::OnMessage(message, wParam, lParam);
    }

private:
    void LogNotification(const PropTreeNotify& notify) const
    {
        const char* name = "notification";
        for (const CodeName& entry : s_codeNames)
            if (entry.code == notify.hdr.code)
                name = entry.name;
        CString line;
        line.Format("%s %s", name, notify.pItem ? notify.pItem->GetLabelText() : "(none)");
        if (notify.hdr.code == PTREEN_CHECKCLICK && notify.pItem)
            line += notify.pItem->IsChecked() ? ": checked" : ": cleared";
        Log(static_cast<LPCSTR>(line));
    }

    std::unique_ptr<CPropTree> m_tree;
};

}  // namespace

std::unique_ptr<GalleryPage> CreatePropTreePage()
{
    return std::make_unique<PropTreePage>();
}
