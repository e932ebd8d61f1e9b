/* Started through the 32-bit Wine loader by tools/env.sh: only where this
   machine really runs 32-bit Windows programs does it print its line. */
#include <stdio.h>

int main(void) {
  printf("quillora-probe %d\n", (int)(sizeof(void *) * 8));
  return 0;
}
