#pragma once
// What controls do when they get the focus: text boxes select their whole
// text, so that typing replaces what was there; lists filled with no entry
// chosen keep none current, so that the first Down chooses the first entry
// (a list view would otherwise make its first entry current, unchosen, on
// getting the focus, and Down would then choose the second).

class QAbstractItemView;
class QLineEdit;

namespace tymba {

void selectAllOnFocus(QLineEdit& box);
void keepNoEntryCurrent(QAbstractItemView& list);

}  // namespace tymba
