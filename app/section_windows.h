#pragma once

namespace vazolar {

class UserDialogs;
class Windows;

// Registers the four section forms. A form's shape buttons open the other shape's form and
// then close this one; its CRÉDITOS button opens the credits window beside it.
void registerSectionForms(Windows& windows, UserDialogs& dialogs);

} // namespace vazolar
