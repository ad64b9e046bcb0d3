// Text, number, date and file-name facilities with the semantics the ported
// program was written against. Strings hold Windows-1252 bytes.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/MathUtil.h"

// ---- program-wide format settings -------------------------------------------

struct TFormatSettings {
  char DecimalSeparator = '.';
  char ThousandSeparator = ',';  // used by Format's %n only
  char DateSeparator = '/';
  char TimeSeparator = ':';
  std::string ShortDateFormat = "yyyy/mm/dd";
  std::string LongTimeFormat = "hh:nn:ss";
  std::string ShortTimeFormat = "hh:nn";
};
// Changed at run time by the program; every later conversion uses the new values.
extern TFormatSettings FormatSettings;

// ---- integers ----------------------------------------------------------------

std::string IntToStr(long long v);
// Accepts leading blanks, an optional sign, decimal digits or "$"/"0x" hex;
// nothing after the digits. Range is 32-bit. Throws EConvertError
// "'<text>' is not a valid integer value".
long long StrToInt(const std::string& s);
int StrToIntDef(const std::string& s, int def);
bool TryStrToInt(const std::string& s, int& out);
// Upper-case hex, at least `digits` digits; negatives as 64-bit two's complement.
std::string IntToHex(long long v, int digits);

// ---- reals -------------------------------------------------------------------

// Shortest general text, up to 15 significant digits, FormatSettings.DecimalSeparator;
// exponent form ("1E15", "1.5E-6") only below 1E-5 or from 1E15 on.
std::string FloatToStr(long double v);
// Blanks around, optional sign, digits with FormatSettings.DecimalSeparator,
// optional exponent. Throws EConvertError "'<text>' is not a valid floating point value".
long double StrToFloat(const std::string& s);
bool TryStrToFloat(const std::string& s, long double& out);

// Nearest integer, halves to the even neighbour. Throws EInvalidOp when the
// value does not fit (or is not a number).
long long Round(long double v);
long long Trunc(long double v);

// ---- strings -----------------------------------------------------------------

std::string Trim(const std::string& s);  // drops leading and trailing chars <= ' '
std::string TrimLeft(const std::string& s);
std::string TrimRight(const std::string& s);
std::string UpperCase(const std::string& s);  // a..z only
std::string LowerCase(const std::string& s);  // A..Z only
// 1-based; an index below 1 counts as 1, a range past the end is cut.
std::string Copy(const std::string& s, int index1, int count);
// 1-based position of sub in s, 0 if absent (or sub empty).
int Pos(const std::string& sub, const std::string& s);
std::string StringOfChar(char c, int count);

// ---- Format ------------------------------------------------------------------

// One argument of Format. Integers and reals keep their kind: %d accepts only
// integers, %f/%e/%g/%n only reals, %s only strings.
class FmtArg {
 public:
  enum class Kind { Int, Int64, Float, String };

  FmtArg(char c) : kind_(Kind::String), s_(1, c) {}  // a character is text, as in %s
  FmtArg(int v) : kind_(Kind::Int), i_(v) {}
  FmtArg(unsigned v) : kind_(Kind::Int64), i_(v) {}
  FmtArg(long v) : kind_(Kind::Int64), i_(v) {}
  FmtArg(unsigned long v) : kind_(Kind::Int64), i_(static_cast<long long>(v)), unsigned_(true) {}
  FmtArg(long long v) : kind_(Kind::Int64), i_(v) {}
  FmtArg(unsigned long long v)
      : kind_(Kind::Int64), i_(static_cast<long long>(v)), unsigned_(true) {}
  FmtArg(double v) : kind_(Kind::Float), f_(v) {}
  FmtArg(long double v) : kind_(Kind::Float), f_(v) {}
  FmtArg(const char* v) : kind_(Kind::String), s_(v ? v : "") {}
  FmtArg(const std::string& v) : kind_(Kind::String), s_(v) {}

  Kind kind() const { return kind_; }
  long long intValue() const { return i_; }
  bool isUnsigned64() const { return unsigned_; }
  long double floatValue() const { return f_; }
  const std::string& stringValue() const { return s_; }

 private:
  Kind kind_;
  long long i_ = 0;
  bool unsigned_ = false;
  long double f_ = 0;
  std::string s_;
};

// %[index:][-][width][.prec]type with types d u x s f e g n and "%%".
// Width and precision may be "*" (taken from the next integer argument).
// For d/u/x the precision is a minimum digit count (zero padded, sign first).
// A bad placeholder or an argument of the wrong kind throws EConvertError
// "Format '<fmt>' invalid or incompatible with argument"; a missing argument
// "No argument for format '<fmt>'".
std::string Format(const std::string& fmt, std::initializer_list<FmtArg> args);

// ---- dates and times ---------------------------------------------------------

using TDateTime = double;  // days since 1899-12-30; the fraction is the time of day

TDateTime Now();
TDateTime Date();
TDateTime Time();
// Replaces the clock behind Now/Date/Time (tests, virtual time); nullptr restores
// the system's local time.
void SetNowProvider(std::function<TDateTime()> provider);

TDateTime EncodeDate(int year, int month, int day);          // EConvertError if invalid
TDateTime EncodeTime(int hour, int min, int sec, int msec);  // EConvertError if invalid
bool TryEncodeDate(int year, int month, int day, TDateTime& out);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& out);
// Values outside years 1..9999 (or not finite) decode as all zeros.
void DecodeDate(TDateTime dt, unsigned short& year, unsigned short& month, unsigned short& day);
void DecodeTime(TDateTime dt, unsigned short& hour, unsigned short& min, unsigned short& sec,
                unsigned short& msec);

// Tokens: d dd ddd dddd ddddd, m mm mmm mmmm (minutes right after h/hh), yy yyyy,
// h hh, n nn, s ss, z zzz, t tt, c, "/" and ":" (the separators), '...' and "..."
// literals. An empty format means "c". "c" leaves the time out at exact midnight.
std::string FormatDateTime(const std::string& fmt, TDateTime dt);
std::string DateToStr(TDateTime dt);      // ShortDateFormat
std::string TimeToStr(TDateTime dt);      // LongTimeFormat
std::string DateTimeToStr(TDateTime dt);  // "c"

// ---- files -------------------------------------------------------------------

// Both take Windows "c:\..." paths too (see MapPath). FileExists is false for folders.
bool FileExists(const std::string& path);
bool DeleteFile(const std::string& path);
// '/' and '\' both separate folders.
std::string ExtractFilePath(const std::string& path);  // up to and including the last separator
std::string ExtractFileName(const std::string& path);
std::string ExtractFileExt(const std::string& path);  // with the dot; "" if none
std::string ChangeFileExt(const std::string& path, const std::string& ext);
