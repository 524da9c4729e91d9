#ifndef TESSALINE_H
#define TESSALINE_H
/* Tessaline: writes DXF R12 drawing files. (Interface being built.) */
#endif
