#pragma once

#include <array>

#include "i18n/caption_switch.h"
#include "i18n/xml_document_component.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/open_dialog.h"
#include "ui/panel.h"
#include "ui/radio_button.h"
#include "ui/spin_edit.h"

namespace quirevo {

struct Platform;

// The main window. Members are declared in creation order, each group box's controls right
// after it; the constructor is the layout, one control a line.
class TForm1 : public Form {
 public:
  TForm1(UiServices& services, Platform& platform);

  // Runs the create handler; the application reports what escapes it and the window stays.
  void create();
  // A program started with a workbook, after create(): the first language picked and the file
  // named as a user would, each failure reported on its own.
  void nameWorkbookAtStart(const std::string& fileName);

  void FormCreate(Control& sender);
  void CheckBox1Click(Control& sender);
  void SpeedButton1Click(Control& sender);
  void Edit1Change(Control& sender);
  void RadioButton1Click(Control& sender);
  void RadioButton2Click(Control& sender);
  void BitBtn1Click(Control& sender);
  void BitBtn2Click(Control& sender);
  void ComboBox1Change(Control& sender);
  void FormFileDropped(Control& sender, const std::string& path);

 private:
  // The 25 captions a language file sets, in the order a switch applies them.
  std::array<CaptionTarget, 25> captionTargets();

  Platform& platform_;

 public:
  Label Label1;
  Label Label2;
  SpeedButton SpeedButton1;
  ComboBox ComboBox1;
  CheckBox CheckBox1;
  Edit Edit1;
  RadioButton RadioButton1;
  RadioButton RadioButton2;
  GroupBox GroupBox1;
  Label Label3;
  Label Label4;
  Label Label6;
  RadioButton RadioButton3;
  RadioButton RadioButton4;
  RadioButton RadioButton5;
  RadioButton RadioButton6;
  RadioButton RadioButton7;
  SpinEdit SpinEdit1;
  SpinEdit SpinEdit2;
  SpinEdit SpinEdit3;
  SpinEdit SpinEdit4;
  SpinEdit SpinEdit5;
  GroupBox GroupBox2;
  Label Label5;
  Label Label7;
  Label Label8;
  RadioButton RadioButton8;
  RadioButton RadioButton9;
  RadioButton RadioButton10;
  RadioButton RadioButton11;
  RadioButton RadioButton12;
  SpinEdit SpinEdit6;
  SpinEdit SpinEdit7;
  SpinEdit SpinEdit8;
  SpinEdit SpinEdit9;
  SpinEdit SpinEdit10;
  BitBtn BitBtn1;
  BitBtn BitBtn2;
  Panel Panel1;
  ListBox ListBox1;
  OpenDialog OpenDialog1;
  XmlDocumentComponent XMLDocument1;
};

// The one main window, set while it exists.
extern TForm1* Form1;

}  // namespace quirevo
