#pragma once
// One control of every kind the runtime has, laid out as a small settings window, for the
// real-window checks and the screenshot.
#include <string>

#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/ListControls.h"
#include "runtime/TextBox.h"
#include "runtime/Timer.h"
#include "runtime/UdpSocket.h"
#include "runtime/UpDown.h"

namespace tavimo::rt {

struct frmSmoke : Form {
  Label lblTitle{*this, "lblTitle"};
  Frame fraLogin{*this, "fraLogin"};
  Label lblName{*this, "lblName"};
  TextBox txtlog{*this, "txtlog"};
  Label lblPassword{*this, "lblPassword"};
  TextBox txtpas{*this, "txtpas"};
  CheckBox chkRemember{*this, "chkRemember"};
  OptionButton optchoice0{*this, "optchoice", 0};
  OptionButton optchoice1{*this, "optchoice", 1};
  ListBox lstPrograms{*this, "lstPrograms"};
  ComboBox cboRate{*this, "cboRate"};
  TextBox txtMinutes{*this, "txtMinutes"};
  UpDown updMinutes{*this, "updMinutes"};
  Image Image1{*this, "Image1"};
  CommandButton cmdsubt{*this, "cmdsubt"};
  CommandButton cmdcan{*this, "cmdcan"};
  Timer Timer1{*this, "Timer1"};
  UdpSocket wskServer{*this, "wskServer"};

  frmSmoke() : Form("frmSmoke") {
    setCaption("Tavimo Controls");
    setBorderStyle(BorderStyle::FixedSingle);
    setClientSize(7200, 4800);
    lblTitle.setCaption("Tavimo Client - Controls");
    lblTitle.setFont({"MS Sans Serif", 12, true});
    lblTitle.setForeColor(rgb(172, 10, 0));
    lblTitle.move(240, 120, 6600, 360);

    fraLogin.setCaption("Login");
    fraLogin.move(240, 600, 3600, 2520);
    for (Control* c : std::initializer_list<Control*>{&lblName, &txtlog, &lblPassword, &txtpas, &chkRemember, &optchoice0, &optchoice1})
      c->setContainer(&fraLogin);
    lblName.setCaption("Login");
    lblName.move(180, 360, 1000, 255);
    txtlog.move(1200, 330, 2200, 315);
    lblPassword.setCaption("Password");
    lblPassword.move(180, 780, 1000, 255);
    txtpas.move(1200, 750, 2200, 315);
    txtpas.setPasswordChar('*');
    txtpas.setMaxLength(20);
    chkRemember.setCaption("Remember me");
    chkRemember.move(180, 1200, 3300, 315);
    optchoice0.setCaption("User");
    optchoice0.move(180, 1620, 1400, 315);
    optchoice1.setCaption("Manager");
    optchoice1.move(1800, 1620, 1400, 315);
    optchoice0.setValue(true);

    lstPrograms.move(4080, 660, 2880, 1200);
    for (const char* program : {"Notepad", "Calculator", "Paint"}) lstPrograms.addItem(program);
    lstPrograms.setListIndex(1);
    cboRate.move(4080, 2040, 2880, 315);
    for (const char* rate : {"Slot I", "Slot II", "Flat"}) cboRate.addItem(rate);
    cboRate.setListIndex(0);
    txtMinutes.move(4800, 2520, 600, 315);
    updMinutes.move(5400, 2520, 255, 315);
    updMinutes.setBuddy(txtMinutes);
    updMinutes.setRange(0, 59);
    updMinutes.setIncrement(5);
    updMinutes.setValue(0);
    Image1.move(4080, 2520, 480, 480);

    cmdsubt.setCaption("&Enter");
    cmdsubt.setToolTipText("Enter");
    cmdsubt.move(3840, 3840, 1440, 435);
    cmdcan.setCaption("&Cancel");
    cmdcan.setToolTipText("Cancel");
    cmdcan.move(5520, 3840, 1440, 435);
    Timer1.setInterval(50);
    Timer1.setEnabled(false);
  }
};

}  // namespace tavimo::rt
