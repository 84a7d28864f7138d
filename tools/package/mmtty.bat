@"%~dp0zorbel-engine.exe" %*
