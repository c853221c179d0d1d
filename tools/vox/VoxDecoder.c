/* The Ogg Vorbis decoder of the stand-in ogg player, compiled once here. */
#include <stb_vorbis.h>
