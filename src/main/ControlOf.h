#pragma once
// How a table names a control of the main window: by the accessor of its field, so that the
// compiler checks the name and nothing is looked up by name at run time. A row writes
// Field<&TForm1::seMLC> (tables say `using F = TForm1;` and write Field<&F::seMLC>); the table
// holds a ControlOf, which gives the control as a TControl.
#include <span>

class TControl;
class TForm1;

using ControlOf = TControl& (*)(TForm1&);

// The accessor of one field of the main window. `Base` is what the table holds the control as;
// a table that reads a constant window gives `const TForm1` as `Form`.
template <auto Member, class Base = TControl, class Form = TForm1>
Base& Field(Form& f) {
  return f.*Member;
}

// The field's name and its accessor, for a table whose rows also carry the name (the tests check
// it against the control's own).
#define NAMED_FIELD(n) #n, &Field<&TForm1::n>

// Where a page's control stands in its container (a page or a group box), as a page's table of
// places gives it.
struct ControlPlace {
  ControlOf Control;
  int Left, Top, Width, Height;
};
void PlaceControls(TForm1& f, std::span<const ControlPlace> places);
