#include "ProgramWindows.h"

namespace soyka::ui {

SoykaWindows::SoykaWindows(MachineState& state)
    : views(state), Form1(state, views), ALU(state, views), Soyka_mem(state, views),
      disp(state, views), Info_win(state), Pult(state, views), About_avtor(), About_prog(),
      Thanks(), Inter(), primer(state) {
  views.Attach(&ALU);
  views.Attach(&Soyka_mem);
  views.Attach(&disp);
  views.Attach(&Info_win);
  views.Attach(&Pult);
  Soyka_mem.setCompanionViews({&ALU, &disp});
  Form1.AttachViews(&Soyka_mem, &ALU, &disp);
  Form1.AttachDialogs(&About_avtor, &About_prog, &Thanks, &Inter, &primer);

  // Only closing the main window ends the program.
  for (QWidget* window :
       std::initializer_list<QWidget*>{&ALU, &Soyka_mem, &disp, &Info_win, &Pult, &About_avtor,
                                       &About_prog, &Thanks, &Inter, &primer}) {
    window->setAttribute(Qt::WA_QuitOnClose, false);
  }
  Pult.show();
}

void SoykaWindows::Show() {
  Form1.show();
}

} // namespace soyka::ui
