namespace net {}
