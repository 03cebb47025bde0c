#pragma once

namespace tp::ui {

class TForm1;
class TForm2;
class TForm3;
class TForm4;

// The four windows of the run, each created once at start-up and alive until the run ends.
// Handlers reach the other windows through these, as the windows always have.
extern TForm1* Form1;
extern TForm2* Form2;
extern TForm3* Form3;
extern TForm4* Form4;

} // namespace tp::ui
