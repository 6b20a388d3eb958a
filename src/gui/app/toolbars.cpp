#include "gui/app/toolbars.h"

#include <wx/artprov.h>
#include <wx/dcmemory.h>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/toolbar_layout.h"
#include "gui/app/wx_ids.h"
#include "gui/app/wx_text.h"

namespace gui {

namespace {

const wxSize kToolSize(16, 16);

wxString helpOf(int id) {
  const auto command = app::findCommand(id);
  return command ? toWx(command->help) : wxString();
}

wxString tipOf(int id) {
  const auto command = app::findCommand(id);
  if (!command) return {};
  wxString text = toWx(command->text);
  text.Replace("&&", "\x01");
  text.Replace("&", "");
  text.Replace("\x01", "&");
  return text;
}

void addTool(wxAuiToolBar* bar, int id, const wxArtID& art, const wxString& label = {}) {
  bar->AddTool(wxIdOf(id), label, wxArtProvider::GetBitmap(art, wxART_TOOLBAR, kToolSize),
               tipOf(id));
  bar->SetToolLongHelp(wxIdOf(id), helpOf(id));
}

// A small badge with the game's initials: there is no stock picture of a game.
wxBitmap gameBadge(const wxString& initials, const wxColour& colour) {
  wxBitmap bitmap(26, 16, 24);
  wxMemoryDC dc(bitmap);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  dc.SetBrush(wxBrush(colour));
  dc.SetPen(wxPen(colour.ChangeLightness(60)));
  dc.DrawRoundedRectangle(0, 0, 26, 16, 3);
  wxFont font(wxFontInfo(7).Bold().Family(wxFONTFAMILY_SWISS));
  dc.SetFont(font);
  dc.SetTextForeground(*wxWHITE);
  const wxSize extent = dc.GetTextExtent(initials);
  dc.DrawText(initials, (26 - extent.x) / 2, (16 - extent.y) / 2);
  dc.SelectObject(wxNullBitmap);
  return bitmap;
}

struct Badge {
  int id;
  const char* initials;
  unsigned char r, g, b;
};

constexpr Badge kBadges[] = {
    {32955, "D13", 176, 40, 40}, {32970, "D15", 200, 70, 30}, {32966, "RR", 140, 100, 40},
    {32956, "BL", 120, 0, 0},    {32957, "SW", 40, 40, 40},   {32954, "Q1", 90, 70, 40},
    {32952, "DS", 40, 90, 160},  {32958, "D2", 150, 30, 30},  {32959, "D1", 110, 40, 40},
    {32968, "HX", 70, 40, 120},  {32984, "ST", 60, 110, 60},  {32953, "Q2", 70, 90, 50},
    {32969, "H2", 90, 50, 140},
};

}  // namespace

wxAuiToolBar* createMainToolbar(wxWindow* parent) {
  auto* bar = new wxAuiToolBar(parent, 128, wxDefaultPosition, wxDefaultSize,
                               wxAUI_TB_HORZ_TEXT | wxAUI_TB_GRIPPER);
  bar->SetToolBitmapSize(kToolSize);
  addTool(bar, app::kCmdPlay, wxART_GO_FORWARD, "Play");
  bar->AddSeparator();
  addTool(bar, app::kCmdToolCopy, wxART_COPY);
  addTool(bar, app::kCmdToolMove, wxART_CUT);
  addTool(bar, app::kCmdToolDelete, wxART_DELETE);
  addTool(bar, app::kCmdToolRename, wxART_EDIT);
  addTool(bar, app::kCmdToolCreateDirectory, wxART_NEW_DIR);
  bar->AddSeparator();
  addTool(bar, app::kCmdToolSoundVideoOptions, wxART_EXECUTABLE_FILE);
  addTool(bar, app::kCmdToolDemoSpawnOptions, wxART_LIST_VIEW);
  addTool(bar, app::kCmdToolLaunchOptions, wxART_HELP_SETTINGS);
  bar->AddSeparator();
  addTool(bar, app::kCmdFavorites, wxART_ADD_BOOKMARK);
  addTool(bar, app::kCmdDisplayText, wxART_NORMAL_FILE);
  addTool(bar, app::kCmdCheatCodes, wxART_TIP);
  bar->AddSeparator();
  addTool(bar, app::kCmdModeSwitch, wxART_REDO);
  addTool(bar, app::kCmdShrink, wxART_FULL_SCREEN);
  bar->AddSeparator();
  addTool(bar, app::kCmdAbout, wxART_INFORMATION);
  bar->Realize();
  return bar;
}

wxAuiToolBar* createSelectGameToolbar(wxWindow* parent) {
  auto* bar = new wxAuiToolBar(parent, 217, wxDefaultPosition, wxDefaultSize, wxAUI_TB_GRIPPER);
  bar->SetToolBitmapSize(wxSize(26, 16));
  for (const Badge& badge : kBadges) {
    const auto button = app::findSelectGameButton(badge.id);
    bar->AddTool(wxIdOf(badge.id), wxString(),
                 gameBadge(badge.initials, wxColour(badge.r, badge.g, badge.b)),
                 button ? toWx(button->tip) : wxString());
    bar->SetToolLongHelp(wxIdOf(badge.id), "Select " + (button ? toWx(button->tip) : wxString()));
  }
  bar->Realize();
  return bar;
}

void dockToolbar(wxAuiPaneInfo& pane, int32_t code) {
  switch (code) {
    case app::kDockLeft:
      pane.Left();
      break;
    case app::kDockRight:
      pane.Right();
      break;
    case app::kDockBottom:
      pane.Bottom();
      break;
    default:
      pane.Top();
      break;
  }
  pane.Dock();
}

int32_t dockSideOf(const wxAuiPaneInfo& pane) {
  switch (pane.dock_direction) {
    case wxAUI_DOCK_LEFT:
      return app::kDockLeft;
    case wxAUI_DOCK_RIGHT:
      return app::kDockRight;
    case wxAUI_DOCK_BOTTOM:
      return app::kDockBottom;
    default:
      return app::kDockTop;
  }
}

}  // namespace gui
