// The views of the CON editor ("ConEditor"), the weapon order form ("Weapons Option") and the
// weapons editor form, over their plain classes.
#pragma once

#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "content/con_editor.h"
#include "content/rts_editor.h"
#include "content/weapon_order.h"
#include "content/weapons_editor_form.h"
#include "gui/dialogs/view_support.h"

namespace gui::dialogs {

class ConEditorView : public View {
 public:
  ConEditorView(wxWindow* parent, content::ConEditor& editor);

  // A text for a name, as the one-line form asks it; nothing when cancelled. Tests replace it.
  using AskName = std::function<std::optional<std::string>(const std::string& current)>;
  void setAskName(AskName ask) { askName_ = std::move(ask); }

 private:
  void refresh();
  void renameTab(int tab);
  void renameLevel(int row);

  content::ConEditor& editor_;
  wxTextCtrl* directory_ = nullptr;
  wxNotebook* tabs_ = nullptr;
  wxListBox* levels_ = nullptr;
  wxListBox* files_ = nullptr;
  wxRadioButton *maps_ = nullptr, *midi_ = nullptr;
  AskName askName_;
  bool refreshing_ = false;
};

class WeaponOrderView : public View {
 public:
  WeaponOrderView(wxWindow* parent, content::WeaponOrder& order);

 private:
  void show(int selection);

  content::WeaponOrder& order_;
  wxListBox* list_ = nullptr;
};

// "RTS Editor": the ten sounds, the directory and its sound files; a double click on a file
// replaces the picked sound. Finish ends with OK, Cancel with Cancel.
class RtsEditorView : public View {
 public:
  RtsEditorView(wxWindow* parent, content::RtsEditor& editor);

 private:
  void refresh();

  content::RtsEditor& editor_;
  wxListBox *sounds_ = nullptr, *files_ = nullptr;
  wxTextCtrl* directory_ = nullptr;
};

// Shown, but it edits nothing yet: every field opens empty and neither button stores anything.
class WeaponsEditorView : public View {
 public:
  explicit WeaponsEditorView(wxWindow* parent);
};

}  // namespace gui::dialogs
