#include "app/ViewState.h"

void ViewState::Show(ShownView view) {
    if (view != ShownView::Terminal) tvListMode_ = view == ShownView::TvList;
    if (view == shown_) return;
    shown_ = view;
    emit Changed();
}

void ViewState::SetHexMode(bool on) {
    if (on == hexMode_) return;
    hexMode_ = on;
    emit Changed();
}
