// The starter display: for the starter type chosen on the Settings page, what each of the relay's
// five starter outputs does and which start signals the type has, and whether the Settings page
// sets a second (low speed) motor. One row of data per starter type.
#include <array>

#include "main/Main.h"

namespace {

constexpr const char* kNone = "( )";
constexpr const char* kBlanks = "   ";

struct StarterShow {
  std::array<const char*, 5> outputs;  // OP_1 .. OP_5
  std::array<const char*, 4> starts;   // beside "Start >>", "Start >", "Start <<", "Start <"
  bool lowSpeed;                       // the two-speed types set a low speed motor too
};

// Texts exactly as the relay's documentation of each type has them, odd blanks and spellings
// included.
// clang-format off
// clang-format off
constexpr StarterShow kStarterShows[] = {
  /* 0 protection relay */  {{kNone, kNone, kNone, kNone, kNone}, {kBlanks, kBlanks, kBlanks, kBlanks}, false},
  /* 1 DOL */               {{"( Main )", kNone, kNone, kNone, kNone}, {"Start", kBlanks, kBlanks, kBlanks}, false},
  /* 2 DOL reversal */      {{"( Main )", "( Forward )", "( Reverse )", kNone, kNone},
                             {"Start (Forward)", kBlanks, "Start (Reverse)", kBlanks}, false},
  /* 3 star-delta */        {{"( Main )", "( Star )", "( Delta )", kNone, kNone}, {"Start", kBlanks, kBlanks, kBlanks}, false},
  /* 4 star-delta rev. */   {{"( Forward )", "( Reverse )", "( Star )", "( Delta )", kNone},
                             {"Start (Forward)", kBlanks, "Start (Reverse)", kBlanks}, false},
  /* 5 Dahlander */         {{"( High Speed )", "( Low Speed )", "( High Speed (Star) )", kNone, kNone},
                             {"Start (High speed)", "Start (Low speed)", kBlanks, kBlanks}, true},
  /* 6 Dahlander rev. */    {{"( Forward High Speed )", "( Forward Low Speed )", "( Fwd / Rev High Speed (Star) )",
                              "( Reverse Low Speed )", "( Reverse High Speed )"},
                             {"Start (High speed - Forard)", "Start (Low speed - Forward)",
                              "Start (High speed - Reverse)", "Start (Low speed - Reverse)"}, true},
  /* 7 pole-changing */     {{"( High Speed )", "( Low Speed )", kNone, kNone, kNone},
                             {"Start (High speed)", "Start (Low speed)", kBlanks, kBlanks}, true},
  /* 8 pole-changing rev.*/ {{"( Forward High Speed)", "( Forward Low Speed )", "( Reverse High Speed )",
                              "( Reverse Low Speed )", kNone},
                             {"Start (High speed - Forward) ", "Start (Low speed - Forwar)",
                              "Start (High speed - Reverse)", "Start (Low speed - Reverse)"}, true},
  /* 9 soft starter */      {{"( Main )", kNone, "( Reset Pulse )", "( OP_4 )", kNone}, {"Start ", kBlanks, kBlanks, kBlanks}, false},
  /* 10 soft starter rev.*/ {{"( Main - Forward )", "( Main - Reverse )", "( Reset Pulse )", "( OP_4 )", kNone},
                             {"Start (Forward)", kBlanks, "Start (Reverse)", kBlanks}, false},
  /* 11 oil breaker DOL */  {{"( Start Pulse )", "( Stop Pulse )", kNone, kNone, kNone}, {"Start", kBlanks, kBlanks, kBlanks}, false},
};
// clang-format on
// clang-format on

}  // namespace

void TForm1::StarterTypeDisplay() {
  const std::array<TLabel*, 5> outputs = {&LabStarterOP_1, &LabStarterOP_2, &LabStarterOP_3,
                                          &labStarterOP_4, &labStarterOP_5};
  const std::array<TLabel*, 4> starts = {&stS1, &stS2, &stS3, &stS4};

  mbStarterType.SetText(cbStarterType.Text());
  for (TLabel* l : outputs) l->SetCaption(kNone);
  for (TLabel* l : starts) l->SetCaption(kBlanks);

  const int type = cbStarterType.ItemIndex();
  // A protection relay has no starter: no trip or activity flags to show. No selection shows them.
  gbStarterTripFlags.SetVisible(type != 0);
  gbActivityFlags.SetVisible(type != 0);

  // Outside the table (no selection) the low-speed group and the caption keep their state.
  if (type < 0 || type >= static_cast<int>(std::size(kStarterShows))) return;
  const StarterShow& show = kStarterShows[type];
  for (size_t i = 0; i < outputs.size(); ++i) outputs[i]->SetCaption(show.outputs[i]);
  for (size_t i = 0; i < starts.size(); ++i) starts[i]->SetCaption(show.starts[i]);
  gbLowSpeed.SetVisible(show.lowSpeed);
  gbHighSpeed.SetCaption(show.lowSpeed ? " High Speed Motor Setting "
                                       : " Motor Full Load Setting ");
}
