/* A stand-in for libXinerama.so.1 that reports the heads listed in PELVORO_XINERAMA_HEADS
   ("x,y,width,height;x,y,width,height", in X root coordinates, the primary first) whatever the X
   server says: Xvfb puts every head at 0,0, so the harness puts this library first on
   LD_LIBRARY_PATH to give Wine several monitors on one wide screen.

   Built by the harness with no C library headers (the machine may have no 32-bit ones) and
   linked against libc.so.6 alone, for i386 and x86_64. */

typedef struct {
  int screen_number;
  short x_org;
  short y_org;
  short width;
  short height;
} XineramaScreenInfo;

extern char* getenv(const char* name);
extern void* malloc(unsigned long size);

#define MAX_HEADS 8

/* Reads one number of the list, stepping past it and past the separator after it. */
static int read_number(const char** text, int* value) {
  const char* p = *text;
  int sign = 1;
  int digits = 0;
  int n = 0;
  if (*p == '-') {
    sign = -1;
    ++p;
  }
  while (*p >= '0' && *p <= '9') {
    n = n * 10 + (*p - '0');
    ++p;
    ++digits;
  }
  if (digits == 0) return 0;
  if (*p == ',' || *p == ';') ++p;
  *value = sign * n;
  *text = p;
  return 1;
}

static int read_heads(XineramaScreenInfo* heads) {
  const char* text = getenv("PELVORO_XINERAMA_HEADS");
  int count = 0;
  if (text == 0) return 0;
  while (*text != '\0' && count < MAX_HEADS) {
    int v[4];
    int i;
    for (i = 0; i < 4; ++i)
      if (!read_number(&text, &v[i])) return 0; /* a malformed list reports no heads at all */
    heads[count].screen_number = count;
    heads[count].x_org = (short)v[0];
    heads[count].y_org = (short)v[1];
    heads[count].width = (short)v[2];
    heads[count].height = (short)v[3];
    ++count;
  }
  return count;
}

int XineramaQueryExtension(void* display, int* event_base, int* error_base) {
  XineramaScreenInfo heads[MAX_HEADS];
  (void)display;
  *event_base = 0;
  *error_base = 0;
  return read_heads(heads) > 0;
}

int XineramaQueryVersion(void* display, int* major, int* minor) {
  (void)display;
  *major = 1;
  *minor = 1;
  return 1;
}

int XineramaIsActive(void* display) {
  XineramaScreenInfo heads[MAX_HEADS];
  (void)display;
  return read_heads(heads) > 0;
}

/* The caller frees the list with XFree, which is free(). */
XineramaScreenInfo* XineramaQueryScreens(void* display, int* number) {
  XineramaScreenInfo heads[MAX_HEADS];
  XineramaScreenInfo* list;
  int count = read_heads(heads);
  int i;
  (void)display;
  *number = 0;
  if (count == 0) return 0;
  list = (XineramaScreenInfo*)malloc(sizeof(XineramaScreenInfo) * (unsigned long)count);
  if (list == 0) return 0;
  for (i = 0; i < count; ++i) list[i] = heads[i];
  *number = count;
  return list;
}
