#include "main/uPassword.h"

TfPassword* fPassword = nullptr;

TfPassword::TfPassword() : TForm("fPassword", "Factory Password") {}
