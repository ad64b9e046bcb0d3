#include "main/UserPassword.h"

TfUserPassword* fUserPassword = nullptr;

TfUserPassword::TfUserPassword() : TForm("fUserPassword", "User Password") {}
