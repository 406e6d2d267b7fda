#include "files/app_state.h"

namespace kestrin {

AppState& App() {
  static AppState state;
  return state;
}

}  // namespace kestrin
