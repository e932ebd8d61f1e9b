// Placeholder translation unit for a folder library without sources yet.
